// Control API of the simulated engine behind ovsdkbase.h.
//
// The simulated engine keeps real state (pages, current page, locks, idle
// queue, busy operations, registered callbacks) and calls the registered
// callbacks when a real engine would. This header lets tests, benchmarks and
// example hosts steer it: reset it, read the log of every C API call, set the
// results of engine functions, and trigger engine-side actions. The
// integration manager itself never includes this header.
//
// Everything here runs on the caller's thread, like the engine itself.
#ifndef OVSDKBASE_SIMULATEDENGINE_H
#define OVSDKBASE_SIMULATEDENGINE_H

#include "ovsdkbase.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace sim {

// ---------------------------------------------------------------------------
// Reset and call log

// One call of the C API, as the engine received it. Calls the simulated
// engine makes internally, and the callbacks it makes, are not logged.
struct OVSDKBASE_API EngineCall
{
    std::string name;              // "OrvUtilRedraw"
    std::vector<std::string> args; // each argument as text: integers and
                                   // Boolean_t in decimal, texts as given
                                   // (a null text is "(null)"), doubles with
                                   // std::ostream defaults; function
                                   // pointers are left out.
    int lockDepth;                 // application-lock depth when the call ran
                                   // (0: outside the lock)
    int lockValue;                 // value passed to the innermost
                                   // OrvUtilAppLockStart, -1 outside the lock

    // "OrvUtilRedraw(1)", "OrvUtilStyleSetString(1, PAGE, NAME, Page 1)"
    std::string text() const;
};

// Back to a freshly loaded engine: not initialised, no pages, no registered
// callbacks, empty log, every knob at its default, no pending idle work.
// Engine texts still allocated are forgotten (see outstandingTexts()), and
// so are the state-change callbacks, as a freshly loaded engine knows none.
OVSDKBASE_API void reset();

OVSDKBASE_API const std::vector<EngineCall>& calls();
OVSDKBASE_API void clearCalls();
// text() of every logged call whose name starts with `prefix` (all if empty).
OVSDKBASE_API std::vector<std::string> callTexts(const std::string& prefix = std::string());
OVSDKBASE_API std::vector<EngineCall> callsNamed(const std::string& name);
OVSDKBASE_API std::size_t countCalls(const std::string& name);

// Misuses the engine noticed and survived, as readable texts: a lock finish
// without a start, the release of a text the engine never handed out or
// already released, a 1-based index out of range... Empty for a correct
// caller.
OVSDKBASE_API const std::vector<std::string>& misuses();

// ---------------------------------------------------------------------------
// Knobs (results of engine functions); reset() restores the defaults.

OVSDKBASE_API void setInitResult(int result);                  // default 0
// null: OrvEngGetHelpAbout answers FALSE. Default "Orvane Simulated Engine 1.0".
OVSDKBASE_API void setHelpAboutText(const char* text);
OVSDKBASE_API void setPageCreateResult(bool ok);               // default true
OVSDKBASE_API void setStyleSetResult(SetValueReturnCode_e result); // default Ok
OVSDKBASE_API void setProcessingLayout(bool processing);       // default false
// OrvUtilStringAlloc answers null; the engine's own texts are unaffected.
OVSDKBASE_API void setStringAllocFails(bool fails);            // default false
// Forces OrvUtilIsBusy to TRUE even when no busy operation runs.
OVSDKBASE_API void setBusy(bool busy);                         // default false
// Sets or clears the interrupt flag directly (OrvUtilInterrupt sets it).
OVSDKBASE_API void setInterruptFlag(bool set);
// Number of busy-events callbacks made while a frame is drawn (between
// destination begin and end), so that input can interrupt a frame.
OVSDKBASE_API void setFrameBusySteps(int steps);               // default 0
// Time the engine works on each step of a long operation (runBusyOperation)
// before it calls the busy-events callback, so that a user can watch the
// progress and interrupt it.
OVSDKBASE_API void setBusyStepMilliseconds(int milliseconds);  // default 0
// Minimal callbacks (default off): the page callbacks that the host's calls
// cause (new current page from OrvEngPageCreateNew and
// OrvUtilPageSetCurrentByUniqueID, page destroyed and the page that follows
// from OrvUtilPageDelete) are not made inside those calls but wait, in
// order, for deliverPendingCallbacks(), as an engine that reports them
// later does. The engine's own state changes at once (a page that is
// current is current before its callback comes); state changes are still
// fired inside the calls, so that a new page learns its unique id.
OVSDKBASE_API void setMinimalCallbacks(bool minimal);
// Makes the page callbacks that wait, including those they cause; answers
// how many were made.
OVSDKBASE_API int deliverPendingCallbacks();

// ---------------------------------------------------------------------------
// Observation

OVSDKBASE_API bool isInitialized();
OVSDKBASE_API bool isShutdownFinished();
// The argument vector given to OrvEngInit, copied.
OVSDKBASE_API std::vector<std::string> initArguments();
// The directory given with "-h"/"-H" to OrvEngInit; empty without one.
OVSDKBASE_API std::string homeDirectory();
OVSDKBASE_API StateModernizationLevel_e initLevel();

OVSDKBASE_API int appLockDepth();
OVSDKBASE_API int parentLockDepth();
OVSDKBASE_API bool isBusyOperationRunning();
OVSDKBASE_API bool interruptFlag();

// The view of a page, moved by work-area input: a drag pans, the wheel
// zooms (work-area kinds are the engine's, see OrvUtilDispatchWorkAreaEvent).
struct OVSDKBASE_API PageView
{
    double panX = 0.0;
    double panY = 0.0;
    double zoom = 1.0;
};

struct OVSDKBASE_API PageState
{
    UniqueID_t id = 0;
    ArbParam_t clientHandle = 0;
    std::string name;                   // style value "PAGE" "NAME"
    std::vector<std::string> arguments; // creation argument list
    bool printPreview = false;
    int framesDrawn = 0;                // frames that reached the swap request
    PageView view;
};

// Pages in creation order.
OVSDKBASE_API std::vector<PageState> pages();
OVSDKBASE_API UniqueID_t currentPageId(); // 0 when there is no page
OVSDKBASE_API const PageState* findPage(UniqueID_t id);

struct OVSDKBASE_API WorkAreaEvent
{
    int x, y, buttonOrKey, kind;
    bool shift, alt, control;
    UniqueID_t pageId; // current page when it arrived
};
OVSDKBASE_API const std::vector<WorkAreaEvent>& workAreaEvents();

struct OVSDKBASE_API Assertion
{
    std::string kind, expression, message, function;
};
OVSDKBASE_API const std::vector<Assertion>& assertions();
OVSDKBASE_API const std::vector<std::string>& errorMessages(); // OrvUtilDialogErrMsg

// Engine texts handed out (OrvUtilStringAlloc, help text, style reads, list
// strings) and not yet released with OrvUtilStringDealloc.
OVSDKBASE_API std::size_t outstandingTexts();

// Pages whose damage was reported and whose redraw waits for idle time.
OVSDKBASE_API std::vector<UniqueID_t> pendingRedraws();
OVSDKBASE_API std::size_t pendingIdleCallbacks();

// ---------------------------------------------------------------------------
// Engine-side actions

// Calls every state-change callback with `code`; inside the calls the style
// parameters (1-based) and the unique id are readable.
OVSDKBASE_API void fireStateChange(int code,
                                   const std::vector<std::string>& styleParams = std::vector<std::string>(),
                                   UniqueID_t uniqueId = 0);

// The engine asks for a new page: the page-create callback gets a string
// list holding `arguments`; answers the callback's result (FALSE without one).
OVSDKBASE_API bool requestPage(const std::vector<std::string>& arguments = std::vector<std::string>());
// The engine deletes a page by itself: destroy callback, and if it was the
// current page another page becomes current. False for an unknown id.
OVSDKBASE_API bool deletePage(UniqueID_t id);
// The engine switches its current page by itself. False for an unknown id.
OVSDKBASE_API bool makePageCurrent(UniqueID_t id);
// The engine renames a page by itself (state change 7 "PAGE" "NAME").
OVSDKBASE_API bool renamePage(UniqueID_t id, const std::string& name);

// The frame road for the current page: render query, destination size,
// destination 1, drawing, destination 0, swap. True when the frame was drawn
// (the render query allowed it and the destination became current).
// The interrupt flag is left as it is, so that a test can set it first; the
// redraws the engine starts itself (OrvUtilRedraw, and damaged pages at idle
// time) are new operations and clear it before they draw.
OVSDKBASE_API bool drawCurrentPage();
// OrvEngProcessTasksOnIdle without the log entry: pending redraws, then the
// on-idle callbacks queued before the call. Answers whether anything ran.
OVSDKBASE_API bool processIdleTasks();
// A long operation of `steps` steps: busy from start to end, the busy-events
// callback once per step, progress through the progress monitor. Clears the
// interrupt flag first and stops early when it is set. True when completed.
OVSDKBASE_API bool runBusyOperation(int steps);

struct OVSDKBASE_API ExportedImage
{
    bool ok = false;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // row-major, 3 bytes a pixel, row 0 first
};
// Offscreen export of the current page: image create, destination 2,
// drawing, destination 0, row reads, image destroy.
OVSDKBASE_API ExportedImage exportImage(int width, int height, ExportRegion_e region);

// Service requests, each through the registered callback with its client
// value; without a callback they answer the value shown.
OVSDKBASE_API MessageBoxReply_e requestMessageBox(const char* message, MessageBoxType_e type); // Invalid
// `text` holds the engine's default on entry and the engine's result on exit
// (the engine text the callback leaves is read and released).
OVSDKBASE_API bool requestSimpleText(const char* instructions, std::string& text, bool useText); // false
OVSDKBASE_API void requestBaseCursorStyle(CursorStyle_e style, ArbParam_t renderHandle);
OVSDKBASE_API void requestWaitCursor(bool activate);
OVSDKBASE_API void reportMRULayout(const char* layoutFileName);
OVSDKBASE_API void requestDotPitch(double* dotPitchX, double* dotPitchY);
OVSDKBASE_API void requestScreenSize(int* width, int* height);
OVSDKBASE_API void requestKeyState(Boolean_t* shift, Boolean_t* alt, Boolean_t* control);
OVSDKBASE_API bool requestMouseButtonState(int button); // false
// The text the callback returned, released afterwards; `wasNull` tells a
// null answer from an empty text.
OVSDKBASE_API std::string requestOpenGLVersionString(bool* wasNull = nullptr);
OVSDKBASE_API void reportStatusLine(const char* text);
OVSDKBASE_API void startProgress(bool first, bool second);
OVSDKBASE_API void reportProgress(int percentDone);
OVSDKBASE_API void finishProgress();
OVSDKBASE_API void reportRunningCoordinates(const char* first, const char* second);
OVSDKBASE_API void requestSelectRegion(double x1, double y1, double x2, double y2, bool flag);
// Calls the launch callback registered for `dialog`; false without one.
OVSDKBASE_API bool launchDialog(int dialog);

// ---------------------------------------------------------------------------
// Registered callbacks, for tests that call one with unusual arguments.

template <typename F>
struct Registration
{
    F callback = nullptr;
    ArbParam_t clientData = 0;
    explicit operator bool() const { return callback != nullptr; }
};

struct OVSDKBASE_API Callbacks
{
    Registration<PageCreateCallback_pf> pageCreate;
    Registration<PageDestroyCallback_pf> pageDestroy;
    Registration<PageNewCurrentCallback_pf> pageNewCurrent;
    Registration<RenderQueryCallback_pf> renderQuery;
    Registration<RenderDestCallback_pf> renderDest;
    Registration<SwapBuffersCallback_pf> swapBuffers;
    Registration<RenderDestSizeCallback_pf> renderDestSize;
    Registration<ProcessBusyEventsCallback_pf> processBusyEvents;
    Registration<BaseCursorStyleCallback_pf> baseCursorStyle;
    Registration<WaitCursorStateCallback_pf> waitCursorState;
    Registration<DialogGetSimpleTextCallback_pf> dialogGetSimpleText;
    Registration<MRULayoutFilenameCallback_pf> mruLayoutFilename;
    Registration<DotPitchCallback_pf> dotPitch;
    Registration<ScreenSizeCallback_pf> screenSize;
    Registration<KeyStateCallback_pf> keyState;
    Registration<MouseButtonStateCallback_pf> mouseButtonState;
    Registration<OpenGLVersionStringCallback_pf> openGLVersionString;
    Registration<DialogMessageBoxCallback_pf> dialogMessageBox;
    Registration<OffscreenImageCreateCallback_pf> offscreenImageCreate;
    Registration<OffscreenImageDestroyCallback_pf> offscreenImageDestroy;
    Registration<OffscreenImageGetRGBRowCallback_pf> offscreenImageGetRGBRow;
    Registration<StatusLineCallback_pf> statusLine;
    Registration<ShowRunningCoordinatesCallback_pf> showRunningCoordinates;
    Registration<SelectRegionCallback_pf> selectRegion;
    Registration<ProgressMonitorCallback_pf> progress;
    Registration<ProgressMonitorStartCallback_pf> progressStart;
    Registration<ProgressMonitorFinishCallback_pf> progressFinish;
};
OVSDKBASE_API const Callbacks& callbacks();

// A string list owned by the caller, for calling callbacks or toolbox
// classes directly; release it with freeStringList.
OVSDKBASE_API StringList_pa makeStringList(const std::vector<std::string>& items);
OVSDKBASE_API void freeStringList(StringList_pa list);

// ---------------------------------------------------------------------------
// Drawing

// Called for each frame or export between the destination's begin and end,
// with the page drawn, the destination size and the destination code (1
// screen, 2 offscreen). Hosts with real OpenGL install a drawer; tests with
// fake contexts leave it empty and nothing is drawn.
using PageDrawer = std::function<void(const PageState& page, int width, int height, int destination)>;
OVSDKBASE_API void setPageDrawer(PageDrawer drawer);

// The engine's own plot drawing with OpenGL 1.x immediate-mode calls, made
// into whatever context the host made current for the destination. The
// engine links no OpenGL library: each drawing resolves the functions it
// needs through `getProcAddress` (a host passes, for example, its context's
// getProcAddress); when one is missing nothing is drawn and a misuse is
// recorded. Enabling installs the engine's drawer in place of any page
// drawer; disabling, reset() or setPageDrawer() removes it.
//
// What a page looks like, in the destination's pixels with y pointing down
// (the work area's coordinates), at view pan (0, 0) and zoom 1:
// - the whole destination cleared to the page's background colour;
// - two axes in AxisColour: x along y = height - PlotMargin from x =
//   PlotMargin to width - PlotMargin, y along x = PlotMargin from y =
//   PlotMargin to height - PlotMargin;
// - a sine curve in the page's curve colour, 2 pixels wide, across the same
//   span, with as many periods as the page's id, around the middle height;
// - the page's name in NameColour with a small stroke font at (8, 8),
//   fixed on the destination (the view does not move it).
// Axes and curve are drawn through the page's view: a point p of the plot
// appears at zoom * p + pan.
struct OVSDKBASE_API PlotColour
{
    unsigned char red, green, blue;
};
const int PlotMargin = 40;
OVSDKBASE_API PlotColour backgroundColour(UniqueID_t pageId); // one of four, by id
OVSDKBASE_API PlotColour curveColour(UniqueID_t pageId);      // one of four, by id
const PlotColour AxisColour = {64, 64, 64};
const PlotColour NameColour = {0, 0, 0};

typedef void* (*GetProcAddress_pf)(const char* name);
OVSDKBASE_API void enableOpenGLDrawing(GetProcAddress_pf getProcAddress);
OVSDKBASE_API void disableOpenGLDrawing();
// One page drawn as above into the context current now, at `width` x
// `height`: the drawer enableOpenGLDrawing() installs calls it for each
// frame and export; a program that plays the engine's part without its
// state (a replay of a recorded session) draws its frames with it.
OVSDKBASE_API void drawPageWithOpenGL(GetProcAddress_pf getProcAddress, const PageState& page, int width, int height);

} // namespace sim
} // namespace orvane

#endif // OVSDKBASE_SIMULATEDENGINE_H
