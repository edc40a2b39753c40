/*
 * ovsdkbase.h - the C interface of the plotting engine.
 *
 * Every function here is a default-visibility symbol of the engine library
 * (ovsdkbase). Callers reach them through the dynamic linker, so another
 * implementation of this interface (the real engine, or a test engine
 * defined in an executable) can take the simulated engine's place without
 * rebuilding its callers.
 */
#ifndef OVSDKBASE_H
#define OVSDKBASE_H

#if defined(_WIN32)
#  if defined(OVSDKBASE_BUILDING)
#    define OVSDKBASE_API __declspec(dllexport)
#  else
#    define OVSDKBASE_API __declspec(dllimport)
#  endif
#else
#  define OVSDKBASE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef char Boolean_t;
#ifndef TRUE
#  define TRUE 1
#endif
#ifndef FALSE
#  define FALSE 0
#endif

typedef long long ArbParam_t;
typedef long long UniqueID_t;
typedef struct _StringList_s* StringList_pa;

typedef enum
{
    StateModernizationLevel_Legacy = 0,
    StateModernizationLevel_Current = 1,
    StateModernizationLevel_Latest = 2,
    StateModernizationLevel_Invalid = 255
} StateModernizationLevel_e;

typedef enum
{
    CursorStyle_Undefined = 0,
    CursorStyle_Default = 1,
    CursorStyle_Crosshair = 2,
    CursorStyle_PointingHand = 3,
    CursorStyle_Move = 4,
    CursorStyle_SizeHorizontal = 5,
    CursorStyle_SizeVertical = 6,
    CursorStyle_Zoom = 7,
    CursorStyle_Wait = 8,
    CursorStyle_Invalid = 255
} CursorStyle_e;

typedef enum
{
    MessageBoxType_Error = 0,
    MessageBoxType_Warning = 1,
    MessageBoxType_Information = 2,
    MessageBoxType_Question = 3,
    MessageBoxType_YesNo = 4,
    MessageBoxType_YesNoCancel = 5,
    MessageBoxType_WarningOkCancel = 6,
    MessageBoxType_Invalid = 255
} MessageBoxType_e;

typedef enum
{
    MessageBoxReply_Yes = 0,
    MessageBoxReply_No = 1,
    MessageBoxReply_Cancel = 2,
    MessageBoxReply_Ok = 3,
    MessageBoxReply_Invalid = 255
} MessageBoxReply_e;

typedef enum
{
    ExportRegion_CurrentFrame = 0,
    ExportRegion_AllFrames = 1,
    ExportRegion_WorkArea = 2,
    ExportRegion_Invalid = 255
} ExportRegion_e;

typedef enum
{
    SetValueReturnCode_Ok = 0,
    SetValueReturnCode_DuplicateValue = 1,
    SetValueReturnCode_InvalidValue = 2,
    SetValueReturnCode_ContextError = 3,
    SetValueReturnCode_Failed = 255
} SetValueReturnCode_e;

/* Callback types, one per registration function. */
typedef Boolean_t (*PageCreateCallback_pf)(StringList_pa arguments, ArbParam_t clientData);
typedef void (*PageDestroyCallback_pf)(ArbParam_t pageHandle, ArbParam_t clientData);
typedef void (*PageNewCurrentCallback_pf)(ArbParam_t pageHandle, ArbParam_t clientData);
typedef Boolean_t (*RenderQueryCallback_pf)(ArbParam_t pageHandle, ArbParam_t clientData);
typedef Boolean_t (*RenderDestCallback_pf)(int renderDest, ArbParam_t handle, ArbParam_t clientData);
typedef void (*SwapBuffersCallback_pf)(ArbParam_t pageHandle, ArbParam_t clientData);
typedef void (*RenderDestSizeCallback_pf)(ArbParam_t pageHandle, ArbParam_t clientData, int* width, int* height);
typedef void (*ProcessBusyEventsCallback_pf)(ArbParam_t clientData);
typedef void (*BaseCursorStyleCallback_pf)(CursorStyle_e style, ArbParam_t renderHandle, ArbParam_t clientData);
typedef void (*WaitCursorStateCallback_pf)(Boolean_t activate, ArbParam_t clientData);
typedef Boolean_t (*DialogGetSimpleTextCallback_pf)(const char* instructions, char** text, Boolean_t useText, ArbParam_t clientData);
typedef void (*MRULayoutFilenameCallback_pf)(const char* layoutFileName, ArbParam_t clientData);
typedef void (*DotPitchCallback_pf)(ArbParam_t clientData, double* dotPitchX, double* dotPitchY);
typedef void (*ScreenSizeCallback_pf)(ArbParam_t clientData, int* width, int* height);
typedef void (*KeyStateCallback_pf)(ArbParam_t clientData, Boolean_t* shift, Boolean_t* alt, Boolean_t* control);
typedef Boolean_t (*MouseButtonStateCallback_pf)(int button, ArbParam_t clientData);
typedef const char* (*OpenGLVersionStringCallback_pf)(ArbParam_t clientData);
typedef MessageBoxReply_e (*DialogMessageBoxCallback_pf)(const char* message, MessageBoxType_e type, ArbParam_t clientData);
typedef Boolean_t (*OffscreenImageCreateCallback_pf)(int width, int height, ExportRegion_e region, ArbParam_t clientData, ArbParam_t* imageHandle);
typedef void (*OffscreenImageDestroyCallback_pf)(ArbParam_t imageHandle, ArbParam_t clientData);
typedef Boolean_t (*OffscreenImageGetRGBRowCallback_pf)(ArbParam_t imageHandle, int row, ArbParam_t clientData, unsigned char* red, unsigned char* green, unsigned char* blue);
typedef void (*StatusLineCallback_pf)(const char* text, ArbParam_t clientData);
typedef void (*ShowRunningCoordinatesCallback_pf)(const char* first, const char* second, ArbParam_t clientData);
typedef void (*SelectRegionCallback_pf)(double x1, double y1, double x2, double y2, Boolean_t flag, ArbParam_t clientData);
typedef void (*ProgressMonitorCallback_pf)(int percentDone, ArbParam_t clientData);
typedef void (*ProgressMonitorStartCallback_pf)(Boolean_t first, Boolean_t second, ArbParam_t clientData);
typedef void (*ProgressMonitorFinishCallback_pf)(ArbParam_t clientData);
typedef Boolean_t (*DialogLaunchCallback_pf)(ArbParam_t clientData);
typedef void (*DialogDropCallback_pf)(ArbParam_t clientData);
typedef void (*OnIdleCallback_pf)(ArbParam_t clientData);
typedef void (*StateChangeCallback_pf)(int stateChange, ArbParam_t clientData);

/* Lifecycle */
OVSDKBASE_API int OrvEngInit(int argc, char** argv, StateModernizationLevel_e level);
OVSDKBASE_API Boolean_t OrvEngStartup(void);
OVSDKBASE_API void OrvEngInitiateShutdown(Boolean_t force);
OVSDKBASE_API void OrvEngFinalizeShutdown(void);
OVSDKBASE_API Boolean_t OrvEngGetHelpAbout(char** text);

/* Engine-owned texts */
OVSDKBASE_API char* OrvUtilStringAlloc(int size, const char* debugInfo);
OVSDKBASE_API void OrvUtilStringDealloc(char** text);

/* Locks */
OVSDKBASE_API void OrvUtilParentLockStart(Boolean_t shutdownImplicitRecording);
OVSDKBASE_API void OrvUtilParentLockFinish(void);
OVSDKBASE_API void OrvUtilAppLockStart(Boolean_t implicitMacroRecording);
OVSDKBASE_API void OrvUtilAppLockFinish(void);

/* Pages */
OVSDKBASE_API int OrvUtilPageGetCount(void);
OVSDKBASE_API UniqueID_t OrvUtilPageGetUniqueID(void);
OVSDKBASE_API Boolean_t OrvUtilPageSetCurrentByUniqueID(UniqueID_t id);
OVSDKBASE_API Boolean_t OrvEngPageCreateNew(ArbParam_t clientHandle, StringList_pa arguments);
OVSDKBASE_API Boolean_t OrvUtilPageDelete(void);
OVSDKBASE_API void OrvEngPageDamaged(Boolean_t fullDamage, UniqueID_t pageID);
OVSDKBASE_API void OrvEngPagePrintPreviewSetActive(Boolean_t active);
OVSDKBASE_API Boolean_t OrvUtilRedraw(Boolean_t doFullDrawing);
OVSDKBASE_API Boolean_t OrvUtilStateIsProcessingLayout(void);
OVSDKBASE_API void OrvEngDoOUAssert(const char* kind, const char* expression, const char* message, const char* function);

/* Work area, busy state, interruption, idle time */
OVSDKBASE_API Boolean_t OrvUtilDispatchWorkAreaEvent(int x, int y, int buttonOrKey, int kind, Boolean_t shift, Boolean_t alt, Boolean_t control);
OVSDKBASE_API Boolean_t OrvUtilIsBusy(void);
OVSDKBASE_API void OrvUtilInterrupt(void);
OVSDKBASE_API Boolean_t OrvUtilInterruptIsSet(void);
OVSDKBASE_API Boolean_t OrvUtilInterruptCheck(void);
OVSDKBASE_API Boolean_t OrvEngProcessTasksOnIdle(void);
OVSDKBASE_API void OrvUtilOnIdleQueueAddCallback(void (*callback)(ArbParam_t clientData), ArbParam_t clientData);

/* Error reporting and batch mode */
OVSDKBASE_API void OrvUtilDialogErrMsg(const char* message);
OVSDKBASE_API Boolean_t OrvUtilMacroIsBatchModeActive(void);

/* Style values */
OVSDKBASE_API SetValueReturnCode_e OrvUtilStyleSetString(UniqueID_t objectID, const char* p1, const char* p2, const char* value);
/* 0 = ok; *value released with OrvUtilStringDealloc */
OVSDKBASE_API int OrvUtilStyleGetString(UniqueID_t objectID, const char* p1, const char* p2, char** value);

/* State changes */
OVSDKBASE_API Boolean_t OrvUtilStateChangeAddCallback(void (*callback)(int stateChange, ArbParam_t clientData), ArbParam_t clientData);
OVSDKBASE_API Boolean_t OrvUtilStateChangeRemoveCallback(void (*callback)(int stateChange, ArbParam_t clientData), ArbParam_t clientData);
/* 1-based; valid inside the callback */
OVSDKBASE_API Boolean_t OrvUtilStateChangeGetStyleParam(int param, const char** value);
/* valid inside the callback */
OVSDKBASE_API Boolean_t OrvUtilStateChangeGetUniqueID(UniqueID_t* id);

/* String lists */
OVSDKBASE_API int OrvUtilStringListGetCount(StringList_pa list);
/* 1-based; released with OrvUtilStringDealloc */
OVSDKBASE_API char* OrvUtilStringListGetString(StringList_pa list, int index);

/* Callback registration */
OVSDKBASE_API void OrvEngProgressMonitorRegisterCallback(void (*progress)(int percentDone, ArbParam_t clientData), void (*start)(Boolean_t first, Boolean_t second, ArbParam_t clientData), void (*finish)(ArbParam_t clientData), ArbParam_t clientData);
OVSDKBASE_API void OrvEngDialogLaunchDropRegisterCallbacks(int dialog, Boolean_t (*launch)(ArbParam_t clientData), void (*drop)(ArbParam_t clientData), ArbParam_t clientData);
OVSDKBASE_API void OrvEngPageCreateRegisterCallback(PageCreateCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngPageDestroyRegisterCallback(PageDestroyCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngPageNewCurrentRegisterCallback(PageNewCurrentCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngRenderQueryRegisterCallback(RenderQueryCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngRenderDestRegisterCallback(RenderDestCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngSwapBuffersRegisterCallback(SwapBuffersCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngRenderDestSizeRegisterCallback(RenderDestSizeCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngProcessBusyEventsRegisterCallback(ProcessBusyEventsCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngBaseCursorStyleRegisterCallback(BaseCursorStyleCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngWaitCursorStateRegisterCallback(WaitCursorStateCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngDialogGetSimpleTextRegisterCallback(DialogGetSimpleTextCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngMRULayoutFilenameRegisterCallback(MRULayoutFilenameCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngDotPitchRegisterCallback(DotPitchCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngScreenSizeRegisterCallback(ScreenSizeCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngKeyStateRegisterCallback(KeyStateCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngMouseButtonStateRegisterCallback(MouseButtonStateCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngOpenGLVersionStringRegisterCallback(OpenGLVersionStringCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngDialogMessageBoxRegisterCallback(DialogMessageBoxCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngOffscreenImageCreateRegisterCallback(OffscreenImageCreateCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngOffscreenImageDestroyRegisterCallback(OffscreenImageDestroyCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngOffscreenImageGetRGBRowRegisterCallback(OffscreenImageGetRGBRowCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngStatusLineRegisterCallback(StatusLineCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngShowRunningCoordinatesRegisterCallback(ShowRunningCoordinatesCallback_pf callback, ArbParam_t clientData);
OVSDKBASE_API void OrvEngSelectRegionRegisterCallback(SelectRegionCallback_pf callback, ArbParam_t clientData);

#ifdef __cplusplus
}
#endif

#endif /* OVSDKBASE_H */
