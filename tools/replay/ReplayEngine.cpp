// The replay engine: the engine's C API answered from a recording. Defined
// in the replay program, it takes the simulated engine's place (the library
// reaches the engine through the dynamic linker). Each function the library
// calls through its boundary answers with the recorded result of the call at
// the replay's cursor and fires the callbacks recorded inside it; the
// functions the sibling libraries call unrecorded (locks, state-change
// parameters, string lists, styles) answer plainly. Outside a replay every
// function answers 0.
#include "ReplaySession.h"

#include "ovsdkbase.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

using orvane::replay::RecordedSpan;
using orvane::replay::ReplaySession;

namespace {

typedef std::initializer_list<std::pair<const char*, long long>> Handles;

// The recorded call `name`: its handles learnt, its callbacks fired; its
// result, 0 when the recording has no such call at the cursor.
long long answer(const char* name, Handles handles = {})
{
    ReplaySession* session = ReplaySession::current();
    if (session == nullptr)
        return 0;
    const RecordedSpan* span = session->enter("engine", name);
    if (span == nullptr)
        return 0;
    for (const auto& handle : handles)
        session->learn(span->number(handle.first), handle.second);
    const long long result = span->number("result", 0);
    session->fireCallbacksIn(*span);
    return result;
}

template <typename Function>
void registration(const char* name, const char* callbackName, Function callback, ArbParam_t client)
{
    ReplaySession::callbacks[callbackName] = {reinterpret_cast<void (*)()>(callback), client};
    answer(name, {{"client", client}});
}

char* copyText(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

extern "C" {

int OrvEngInit(int, char**, StateModernizationLevel_e) { return static_cast<int>(answer("OrvEngInit")); }
Boolean_t OrvEngStartup(void) { return static_cast<Boolean_t>(answer("OrvEngStartup")); }
void OrvEngInitiateShutdown(Boolean_t) { answer("OrvEngInitiateShutdown"); }
void OrvEngFinalizeShutdown(void) { answer("OrvEngFinalizeShutdown"); }
Boolean_t OrvEngGetHelpAbout(char** text)
{
    ReplaySession* session = ReplaySession::current();
    const RecordedSpan* span = session != nullptr ? session->enter("engine", "OrvEngGetHelpAbout") : nullptr;
    if (span == nullptr)
        return FALSE;
    if (text != nullptr)
        *text = copyText(span->text("text"));
    session->fireCallbacksIn(*span);
    return static_cast<Boolean_t>(span->number("result"));
}

char* OrvUtilStringAlloc(int size, const char*)
{
    answer("OrvUtilStringAlloc");
    return static_cast<char*>(std::calloc(static_cast<std::size_t>(size > 0 ? size : 0) + 1, 1));
}
void OrvUtilStringDealloc(char** text)
{
    if (text == nullptr)
        return;
    std::free(*text);
    *text = nullptr;
}

void OrvUtilParentLockStart(Boolean_t) { answer("OrvUtilParentLockStart"); }
void OrvUtilParentLockFinish(void) { answer("OrvUtilParentLockFinish"); }
void OrvUtilAppLockStart(Boolean_t) {}
void OrvUtilAppLockFinish(void) {}

int OrvUtilPageGetCount(void) { return static_cast<int>(answer("OrvUtilPageGetCount")); }
UniqueID_t OrvUtilPageGetUniqueID(void)
{
    const long long id = answer("OrvUtilPageGetUniqueID");
    if (ReplaySession* session = ReplaySession::current())
        session->currentPageID = id;
    return id;
}
Boolean_t OrvUtilPageSetCurrentByUniqueID(UniqueID_t)
{
    return static_cast<Boolean_t>(answer("OrvUtilPageSetCurrentByUniqueID"));
}
Boolean_t OrvEngPageCreateNew(ArbParam_t clientHandle, StringList_pa)
{
    return static_cast<Boolean_t>(answer("OrvEngPageCreateNew", {{"page", clientHandle}}));
}
Boolean_t OrvUtilPageDelete(void) { return static_cast<Boolean_t>(answer("OrvUtilPageDelete")); }
void OrvEngPageDamaged(Boolean_t, UniqueID_t) { answer("OrvEngPageDamaged"); }
void OrvEngPagePrintPreviewSetActive(Boolean_t) { answer("OrvEngPagePrintPreviewSetActive"); }
Boolean_t OrvUtilRedraw(Boolean_t) { return static_cast<Boolean_t>(answer("OrvUtilRedraw")); }
Boolean_t OrvUtilStateIsProcessingLayout(void)
{
    return static_cast<Boolean_t>(answer("OrvUtilStateIsProcessingLayout"));
}
void OrvEngDoOUAssert(const char*, const char*, const char*, const char*) { answer("OrvEngDoOUAssert"); }

Boolean_t OrvUtilDispatchWorkAreaEvent(int, int, int, int, Boolean_t, Boolean_t, Boolean_t)
{
    return static_cast<Boolean_t>(answer("OrvUtilDispatchWorkAreaEvent"));
}
Boolean_t OrvUtilIsBusy(void) { return static_cast<Boolean_t>(answer("OrvUtilIsBusy")); }
void OrvUtilInterrupt(void) { answer("OrvUtilInterrupt"); }
Boolean_t OrvUtilInterruptIsSet(void) { return static_cast<Boolean_t>(answer("OrvUtilInterruptIsSet")); }
Boolean_t OrvUtilInterruptCheck(void) { return static_cast<Boolean_t>(answer("OrvUtilInterruptCheck")); }
Boolean_t OrvEngProcessTasksOnIdle(void) { return static_cast<Boolean_t>(answer("OrvEngProcessTasksOnIdle")); }
void OrvUtilOnIdleQueueAddCallback(void (*callback)(ArbParam_t), ArbParam_t clientData)
{
    if (ReplaySession* session = ReplaySession::current())
        session->idleQueue.push_back({reinterpret_cast<void (*)()>(callback), clientData});
    answer("OrvUtilOnIdleQueueAddCallback", {{"client", clientData}});
}

void OrvUtilDialogErrMsg(const char*) { answer("OrvUtilDialogErrMsg"); }
Boolean_t OrvUtilMacroIsBatchModeActive(void)
{
    return static_cast<Boolean_t>(answer("OrvUtilMacroIsBatchModeActive"));
}

SetValueReturnCode_e OrvUtilStyleSetString(UniqueID_t, const char*, const char*, const char*)
{
    return SetValueReturnCode_Ok;
}
int OrvUtilStyleGetString(UniqueID_t, const char*, const char*, char**) { return 1; }

Boolean_t OrvUtilStateChangeAddCallback(void (*callback)(int, ArbParam_t), ArbParam_t clientData)
{
    ReplaySession::stateChangeCallbacks.push_back({reinterpret_cast<void (*)()>(callback), clientData});
    return TRUE;
}
Boolean_t OrvUtilStateChangeRemoveCallback(void (*callback)(int, ArbParam_t), ArbParam_t clientData)
{
    std::vector<ReplaySession::Callback>& registered = ReplaySession::stateChangeCallbacks;
    for (auto it = registered.begin(); it != registered.end(); ++it)
        if (it->function == reinterpret_cast<void (*)()>(callback) && it->client == clientData)
        {
            registered.erase(it);
            return TRUE;
        }
    return FALSE;
}
Boolean_t OrvUtilStateChangeGetStyleParam(int, const char**) { return FALSE; }
Boolean_t OrvUtilStateChangeGetUniqueID(UniqueID_t* id)
{
    ReplaySession* session = ReplaySession::current();
    if (id == nullptr || session == nullptr)
        return FALSE;
    *id = session->currentPageID;
    return TRUE;
}

int OrvUtilStringListGetCount(StringList_pa) { return 0; }
char* OrvUtilStringListGetString(StringList_pa, int) { return nullptr; }

void OrvEngProgressMonitorRegisterCallback(void (*progress)(int, ArbParam_t), void (*start)(Boolean_t, Boolean_t, ArbParam_t),
                                           void (*finish)(ArbParam_t), ArbParam_t clientData)
{
    ReplaySession::callbacks["static_ProgressMonitorCallback"] = {reinterpret_cast<void (*)()>(progress), clientData};
    ReplaySession::callbacks["static_ProgressMonitorStartCallback"] = {reinterpret_cast<void (*)()>(start),
                                                                       clientData};
    ReplaySession::callbacks["static_ProgressMonitorFinishCallback"] = {reinterpret_cast<void (*)()>(finish),
                                                                        clientData};
    answer("OrvEngProgressMonitorRegisterCallback", {{"client", clientData}});
}
void OrvEngDialogLaunchDropRegisterCallbacks(int, Boolean_t (*launch)(ArbParam_t), void (*)(ArbParam_t),
                                             ArbParam_t clientData)
{
    ReplaySession::callbacks["dialogLaunchCallback"] = {reinterpret_cast<void (*)()>(launch), clientData};
    answer("OrvEngDialogLaunchDropRegisterCallbacks", {{"client", clientData}});
}

#define REPLAY_REGISTRATION(Function, Callback, SpanName)                                                             \
    void Function(Callback callback, ArbParam_t clientData) { registration(#Function, SpanName, callback, clientData); }
REPLAY_REGISTRATION(OrvEngPageCreateRegisterCallback, PageCreateCallback_pf, "pageCreate")
REPLAY_REGISTRATION(OrvEngPageDestroyRegisterCallback, PageDestroyCallback_pf, "pageDestroy")
REPLAY_REGISTRATION(OrvEngPageNewCurrentRegisterCallback, PageNewCurrentCallback_pf, "pageNewCurrent")
REPLAY_REGISTRATION(OrvEngRenderQueryRegisterCallback, RenderQueryCallback_pf, "renderQuery")
REPLAY_REGISTRATION(OrvEngRenderDestRegisterCallback, RenderDestCallback_pf, "renderDest")
REPLAY_REGISTRATION(OrvEngSwapBuffersRegisterCallback, SwapBuffersCallback_pf, "swapBuffers")
REPLAY_REGISTRATION(OrvEngRenderDestSizeRegisterCallback, RenderDestSizeCallback_pf, "renderDestSize")
REPLAY_REGISTRATION(OrvEngProcessBusyEventsRegisterCallback, ProcessBusyEventsCallback_pf, "busyEvents")
REPLAY_REGISTRATION(OrvEngBaseCursorStyleRegisterCallback, BaseCursorStyleCallback_pf, "baseCursorStyleCallback")
REPLAY_REGISTRATION(OrvEngWaitCursorStateRegisterCallback, WaitCursorStateCallback_pf, "waitCursorStateCallback")
REPLAY_REGISTRATION(OrvEngDialogGetSimpleTextRegisterCallback, DialogGetSimpleTextCallback_pf,
                    "dialogGetSimpleTextBoxCallback")
REPLAY_REGISTRATION(OrvEngMRULayoutFilenameRegisterCallback, MRULayoutFilenameCallback_pf,
                    "static_updateMRULayoutCallback")
REPLAY_REGISTRATION(OrvEngDotPitchRegisterCallback, DotPitchCallback_pf, "staticDotPitchCallback")
REPLAY_REGISTRATION(OrvEngScreenSizeRegisterCallback, ScreenSizeCallback_pf, "staticScreenSizeCallback")
REPLAY_REGISTRATION(OrvEngKeyStateRegisterCallback, KeyStateCallback_pf, "staticKeyStateCallback")
REPLAY_REGISTRATION(OrvEngMouseButtonStateRegisterCallback, MouseButtonStateCallback_pf,
                    "staticMouseButtonStateCallback")
REPLAY_REGISTRATION(OrvEngOpenGLVersionStringRegisterCallback, OpenGLVersionStringCallback_pf,
                    "staticOpenGLVersionStringCallback")
REPLAY_REGISTRATION(OrvEngDialogMessageBoxRegisterCallback, DialogMessageBoxCallback_pf, "dialogMessageBoxCallback")
REPLAY_REGISTRATION(OrvEngOffscreenImageCreateRegisterCallback, OffscreenImageCreateCallback_pf,
                    "static_ImageCreateCallback")
REPLAY_REGISTRATION(OrvEngOffscreenImageDestroyRegisterCallback, OffscreenImageDestroyCallback_pf,
                    "static_ImageDestroyCallback")
REPLAY_REGISTRATION(OrvEngOffscreenImageGetRGBRowRegisterCallback, OffscreenImageGetRGBRowCallback_pf,
                    "static_ImageGetRGBRowCallback")
REPLAY_REGISTRATION(OrvEngStatusLineRegisterCallback, StatusLineCallback_pf, "static_StatusLineCallback")
REPLAY_REGISTRATION(OrvEngShowRunningCoordinatesRegisterCallback, ShowRunningCoordinatesCallback_pf,
                    "static_StatusLineCoordsCallback")
REPLAY_REGISTRATION(OrvEngSelectRegionRegisterCallback, SelectRegionCallback_pf, "selectItemsInRectCallback")
#undef REPLAY_REGISTRATION

} // extern "C"

namespace orvane {
namespace replay {

namespace {

template <typename Function>
Function as(const ReplaySession::Callback& callback)
{
    return reinterpret_cast<Function>(callback.function);
}

// A text argument of the span, kept for the duration of the callback.
struct Texts
{
    std::vector<std::string> held;
    const char* operator()(const RecordedSpan& span, const char* key)
    {
        held.push_back(span.text(key));
        return held.back().c_str();
    }
};

} // namespace

void ReplaySession::deliverStateChange(int code)
{
    const std::vector<Callback> told = stateChangeCallbacks;
    for (const Callback& each : told)
        as<void (*)(int, ArbParam_t)>(each)(code, each.client);
}

void ReplaySession::fire(std::size_t index)
{
    const RecordedSpan& span = this->span(index);
    const std::string& name = span.name();
    m_cursor = index + 1;
    const RecordedSpan* const outer = m_currentCallback;
    m_currentCallback = &span;
    const auto n = [&span](const char* key) { return span.number(key); };
    const auto h = [&](const char* key) { return handle(span.number(key)); };
    Texts text;
    text.held.reserve(4);
    Callback callback{nullptr, 0};
    if (name == "onIdle" && !idleQueue.empty())
    {
        callback = idleQueue.front();
        idleQueue.pop_front();
    }
    else if (callbacks.count(name) != 0)
        callback = callbacks[name];
    const long long c = callback.client;
    if (name == "stateChange")
        deliverStateChange(static_cast<int>(n("change")));
    else if (callback.function == nullptr)
        lost = true;
    else if (name == "pageCreate")
        as<PageCreateCallback_pf>(callback)(n("arguments") != 0 ? reinterpret_cast<StringList_pa>(&callbacks) : nullptr, c);
    else if (name == "pageDestroy" || name == "pageNewCurrent")
        as<PageDestroyCallback_pf>(callback)(h("page"), c);
    else if (name == "renderQuery")
        as<RenderQueryCallback_pf>(callback)(h("page"), c);
    else if (name == "renderDest")
        as<RenderDestCallback_pf>(callback)(static_cast<int>(n("dest")), h("handle"), c);
    else if (name == "swapBuffers")
        as<SwapBuffersCallback_pf>(callback)(h("page"), c);
    else if (name == "renderDestSize")
    {
        int width = 0, height = 0;
        as<RenderDestSizeCallback_pf>(callback)(h("page"), c, &width, &height);
    }
    else if (name == "busyEvents" || name == "onIdle" || name == "static_ProgressMonitorFinishCallback")
        as<ProcessBusyEventsCallback_pf>(callback)(c);
    else if (name == "baseCursorStyleCallback")
        as<BaseCursorStyleCallback_pf>(callback)(static_cast<CursorStyle_e>(n("style")), h("page"), c);
    else if (name == "waitCursorStateCallback")
        as<WaitCursorStateCallback_pf>(callback)(static_cast<Boolean_t>(n("activate")), c);
    else if (name == "dialogGetSimpleTextBoxCallback")
    {
        char* given = n("useText") != 0 ? copyText(span.text("text")) : nullptr;
        as<DialogGetSimpleTextCallback_pf>(callback)(text(span, "instructions"), &given,
                                                     static_cast<Boolean_t>(n("useText")), c);
        std::free(given);
    }
    else if (name == "static_updateMRULayoutCallback" || name == "static_StatusLineCallback")
        as<StatusLineCallback_pf>(callback)(
            text(span, name == "static_StatusLineCallback" ? "text" : "layoutFileName"), c);
    else if (name == "staticDotPitchCallback")
    {
        double x = 0, y = 0;
        as<DotPitchCallback_pf>(callback)(c, &x, &y);
    }
    else if (name == "staticScreenSizeCallback")
    {
        int width = 0, height = 0;
        as<ScreenSizeCallback_pf>(callback)(c, &width, &height);
    }
    else if (name == "staticKeyStateCallback")
    {
        Boolean_t shift = 0, alt = 0, control = 0;
        as<KeyStateCallback_pf>(callback)(c, &shift, &alt, &control);
    }
    else if (name == "staticMouseButtonStateCallback")
        as<MouseButtonStateCallback_pf>(callback)(static_cast<int>(n("button")), c);
    else if (name == "staticOpenGLVersionStringCallback")
        as<OpenGLVersionStringCallback_pf>(callback)(c);
    else if (name == "dialogMessageBoxCallback")
        as<DialogMessageBoxCallback_pf>(callback)(text(span, "message"), static_cast<MessageBoxType_e>(n("type")), c);
    else if (name == "static_ImageCreateCallback")
    {
        ArbParam_t image = 0;
        as<OffscreenImageCreateCallback_pf>(callback)(static_cast<int>(n("width")), static_cast<int>(n("height")),
                                                      static_cast<ExportRegion_e>(n("region")), c, &image);
        learn(n("image"), image);
    }
    else if (name == "static_ImageDestroyCallback")
        as<OffscreenImageDestroyCallback_pf>(callback)(h("image"), c);
    else if (name == "static_ImageGetRGBRowCallback")
    {
        // Room for the widest row, made once: the host writes into it.
        static std::vector<unsigned char> row(3 * 65536);
        as<OffscreenImageGetRGBRowCallback_pf>(callback)(h("image"), static_cast<int>(n("row")), c, row.data(),
                                                         row.data() + 65536, row.data() + 2 * 65536);
    }
    else if (name == "static_StatusLineCoordsCallback")
        as<ShowRunningCoordinatesCallback_pf>(callback)(text(span, "first"), text(span, "second"), c);
    else if (name == "selectItemsInRectCallback")
        as<SelectRegionCallback_pf>(callback)(static_cast<double>(n("x1")), static_cast<double>(n("y1")),
                                              static_cast<double>(n("x2")), static_cast<double>(n("y2")),
                                              static_cast<Boolean_t>(n("flag")), c);
    else if (name == "static_ProgressMonitorCallback")
        as<ProgressMonitorCallback_pf>(callback)(static_cast<int>(n("percentDone")), c);
    else if (name == "static_ProgressMonitorStartCallback")
        as<ProgressMonitorStartCallback_pf>(callback)(static_cast<Boolean_t>(n("first")),
                                                      static_cast<Boolean_t>(n("second")), c);
    else if (name == "dialogLaunchCallback")
        as<DialogLaunchCallback_pf>(callback)(c);
    else
        lost = true;
    m_currentCallback = outer;
    m_cursor = span.end;
}

} // namespace replay
} // namespace orvane
