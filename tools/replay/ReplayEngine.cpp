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

char* copyText(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

// A registered callback fired with the arguments of its recorded span.
class Call
{
public:
    Call(ReplaySession& session, const RecordedSpan& span, const ReplaySession::Callback& callback)
        : session(session), span(span), client(callback.client), m_function(callback.function)
    {
        m_texts.reserve(4);
    }
    template <typename Function>
    Function as() const
    {
        return reinterpret_cast<Function>(m_function);
    }
    long long n(const char* key) const { return span.number(key); }
    // A handle the recording names by number.
    long long h(const char* key) const { return session.handle(span.number(key)); }
    // A handle the library passes on without reading it: one the library
    // never handed over (the engine's own) gets a value of its own, no address.
    long long passed(const char* key) const { return h(key) != 0 ? h(key) : -n(key); }
    // The place for output `key`: none where the recording shows the engine
    // passed none (-1).
    template <typename T>
    T* out(const char* key, T& place) const
    {
        return span.number(key) == -1 ? nullptr : &place;
    }
    // Whether the library called the engine's `name` inside the callback.
    bool calls(const char* name) const
    {
        for (std::size_t at = static_cast<std::size_t>(&span - &session.span(0)) + 1; at < span.end; ++at)
            if (session.span(at).is("engine", name))
                return true;
        return false;
    }
    // A text argument, kept for the duration of the call.
    const char* text(const char* key)
    {
        m_texts.push_back(span.text(key));
        return m_texts.back().c_str();
    }

    ReplaySession& session;
    const RecordedSpan& span;
    const long long client;

private:
    void (*m_function)();
    std::vector<std::string> m_texts;
};

typedef void (*Firing)(ReplaySession&, const RecordedSpan&, const ReplaySession::Callback&);

template <typename Function>
void keep(const char* callbackName, Function callback, ArbParam_t client, Firing fire)
{
    ReplaySession::callbacks[callbackName] = {reinterpret_cast<void (*)()>(callback), client, fire};
}

// How a callback of type Type is fired: the statements given call `f`, the
// callback, with the recorded arguments `call` reads.
#define REPLAY_FIRING(Type, ...)                                                                                      \
    [](ReplaySession& session, const RecordedSpan& span, const ReplaySession::Callback& callback) {                   \
        Call call(session, span, callback);                                                                           \
        const Type f = call.as<Type>();                                                                               \
        __VA_ARGS__;                                                                                                  \
    }

} // namespace

extern "C" {

// A fresh engine runs no idle task queued before.
int OrvEngInit(int, char**, StateModernizationLevel_e)
{
    if (ReplaySession* session = ReplaySession::current())
        session->idleQueue.clear();
    return static_cast<int>(answer("OrvEngInit"));
}
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

// None where the recording shows the allocation failed.
char* OrvUtilStringAlloc(int size, const char*)
{
    if (answer("OrvUtilStringAlloc") == 0 && ReplaySession::current() != nullptr)
        return nullptr;
    return static_cast<char*>(std::calloc(static_cast<std::size_t>(size > 0 ? size : 0) + 1, 1));
}
void OrvUtilStringDealloc(char** text)
{
    answer("OrvUtilStringDealloc");
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
        session->idleQueue.push_back({reinterpret_cast<void (*)()>(callback), clientData,
                                      REPLAY_FIRING(ProcessBusyEventsCallback_pf, f(call.client))});
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
    ReplaySession::stateChangeCallbacks.push_back({reinterpret_cast<void (*)()>(callback), clientData, nullptr});
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
    keep("static_ProgressMonitorCallback", progress, clientData,
         REPLAY_FIRING(ProgressMonitorCallback_pf, f(static_cast<int>(call.n("percentDone")), call.client)));
    keep("static_ProgressMonitorStartCallback", start, clientData,
         REPLAY_FIRING(ProgressMonitorStartCallback_pf,
                       f(static_cast<Boolean_t>(call.n("first")), static_cast<Boolean_t>(call.n("second")), call.client)));
    keep("static_ProgressMonitorFinishCallback", finish, clientData,
         REPLAY_FIRING(ProgressMonitorFinishCallback_pf, f(call.client)));
    answer("OrvEngProgressMonitorRegisterCallback", {{"client", clientData}});
}
void OrvEngDialogLaunchDropRegisterCallbacks(int, Boolean_t (*launch)(ArbParam_t), void (*)(ArbParam_t),
                                             ArbParam_t clientData)
{
    keep("dialogLaunchCallback", launch, clientData, REPLAY_FIRING(DialogLaunchCallback_pf, f(call.h("launcher"))));
    answer("OrvEngDialogLaunchDropRegisterCallbacks", {{"client", clientData}});
}

// Each registration the library makes: the callback's type and span name,
// and how the replay fires it.
#define REPLAY_REGISTRATION(Function, Type, SpanName, ...)                                                            \
    void Function(Type callback, ArbParam_t clientData)                                                               \
    {                                                                                                                 \
        keep(SpanName, callback, clientData, REPLAY_FIRING(Type, __VA_ARGS__));                                       \
        answer(#Function, {{"client", clientData}});                                                                  \
    }
REPLAY_REGISTRATION(OrvEngPageCreateRegisterCallback, PageCreateCallback_pf, "pageCreate",
                    f(call.n("arguments") != 0 ? reinterpret_cast<StringList_pa>(&ReplaySession::callbacks) : nullptr,
                      call.client))
REPLAY_REGISTRATION(OrvEngPageDestroyRegisterCallback, PageDestroyCallback_pf, "pageDestroy",
                    f(call.h("page"), call.client))
REPLAY_REGISTRATION(OrvEngPageNewCurrentRegisterCallback, PageNewCurrentCallback_pf, "pageNewCurrent",
                    f(call.h("page"), call.client))
REPLAY_REGISTRATION(OrvEngRenderQueryRegisterCallback, RenderQueryCallback_pf, "renderQuery",
                    f(call.h("page"), call.client))
// A screen ready for a frame is drawn on, as the engine draws, when the
// replay draws for real: the page is the one of the recorded frame around.
REPLAY_REGISTRATION(OrvEngRenderDestRegisterCallback, RenderDestCallback_pf, "renderDest",
                    const int dest = static_cast<int>(call.n("dest"));
                    if (f(dest, call.h("handle"), call.client) == TRUE && dest == 1 && call.session.drawing &&
                        call.span.parent >= 0 && call.session.span(call.span.parent).is("frame", "frame"))
                        call.session.drawing->drawPage(call.session.span(call.span.parent).number("page"),
                                                       call.session.frameWidth, call.session.frameHeight))
REPLAY_REGISTRATION(OrvEngSwapBuffersRegisterCallback, SwapBuffersCallback_pf, "swapBuffers",
                    f(call.h("page"), call.client))
// The engine's places hold what the recording shows in them after the call
// (the library leaves them alone for a page it does not know); none where
// the recording shows no size.
REPLAY_REGISTRATION(OrvEngRenderDestSizeRegisterCallback, RenderDestSizeCallback_pf, "renderDestSize",
                    const bool places = call.span.span->results.contains("width");
                    call.session.frameWidth = static_cast<int>(call.n("width"));
                    call.session.frameHeight = static_cast<int>(call.n("height"));
                    f(call.h("page"), call.client, places ? &call.session.frameWidth : nullptr,
                      places ? &call.session.frameHeight : nullptr))
REPLAY_REGISTRATION(OrvEngProcessBusyEventsRegisterCallback, ProcessBusyEventsCallback_pf, "busyEvents",
                    f(call.client))
REPLAY_REGISTRATION(OrvEngBaseCursorStyleRegisterCallback, BaseCursorStyleCallback_pf, "baseCursorStyleCallback",
                    f(static_cast<CursorStyle_e>(call.n("style")), call.passed("page"), call.client))
REPLAY_REGISTRATION(OrvEngWaitCursorStateRegisterCallback, WaitCursorStateCallback_pf, "waitCursorStateCallback",
                    f(static_cast<Boolean_t>(call.n("activate")), call.client))
REPLAY_REGISTRATION(OrvEngDialogGetSimpleTextRegisterCallback, DialogGetSimpleTextCallback_pf,
                    "dialogGetSimpleTextBoxCallback",
                    // The engine's text: none unless the recording shows one read or freed.
                    const std::string initial = call.span.text("text", true);
                    char* given = !initial.empty() || call.calls("OrvUtilStringDealloc") ? copyText(initial) : nullptr;
                    f(call.text("instructions"), &given, static_cast<Boolean_t>(call.n("useText")), call.client);
                    std::free(given))
REPLAY_REGISTRATION(OrvEngMRULayoutFilenameRegisterCallback, MRULayoutFilenameCallback_pf,
                    "static_updateMRULayoutCallback", f(call.text("layoutFileName"), call.client))
REPLAY_REGISTRATION(OrvEngDotPitchRegisterCallback, DotPitchCallback_pf, "staticDotPitchCallback",
                    double x = 0, y = 0; f(call.client, call.out("xNanometres", x), call.out("yNanometres", y)))
REPLAY_REGISTRATION(OrvEngScreenSizeRegisterCallback, ScreenSizeCallback_pf, "staticScreenSizeCallback",
                    int width = 0, height = 0;
                    f(call.client, call.out("width", width), call.out("height", height)))
REPLAY_REGISTRATION(OrvEngKeyStateRegisterCallback, KeyStateCallback_pf, "staticKeyStateCallback",
                    Boolean_t shift = 0, alt = 0, control = 0;
                    f(call.client, call.out("shift", shift), call.out("alt", alt), call.out("control", control)))
REPLAY_REGISTRATION(OrvEngMouseButtonStateRegisterCallback, MouseButtonStateCallback_pf,
                    "staticMouseButtonStateCallback", f(static_cast<int>(call.n("button")), call.client))
REPLAY_REGISTRATION(OrvEngOpenGLVersionStringRegisterCallback, OpenGLVersionStringCallback_pf,
                    "staticOpenGLVersionStringCallback", f(call.client))
REPLAY_REGISTRATION(OrvEngDialogMessageBoxRegisterCallback, DialogMessageBoxCallback_pf, "dialogMessageBoxCallback",
                    f(call.text("message"), static_cast<MessageBoxType_e>(call.n("type")), call.client))
REPLAY_REGISTRATION(OrvEngOffscreenImageCreateRegisterCallback, OffscreenImageCreateCallback_pf,
                    "static_ImageCreateCallback", ArbParam_t image = 0;
                    f(static_cast<int>(call.n("width")), static_cast<int>(call.n("height")),
                      static_cast<ExportRegion_e>(call.n("region")), call.client, &image);
                    call.session.learn(call.n("image"), image))
REPLAY_REGISTRATION(OrvEngOffscreenImageDestroyRegisterCallback, OffscreenImageDestroyCallback_pf,
                    "static_ImageDestroyCallback", f(call.h("image"), call.client))
// Room for the widest row, made once: the host writes into it.
REPLAY_REGISTRATION(OrvEngOffscreenImageGetRGBRowRegisterCallback, OffscreenImageGetRGBRowCallback_pf,
                    "static_ImageGetRGBRowCallback", static std::vector<unsigned char> row(3 * 65536);
                    f(call.h("image"), static_cast<int>(call.n("row")), call.client, row.data(), row.data() + 65536,
                      row.data() + 2 * 65536))
REPLAY_REGISTRATION(OrvEngStatusLineRegisterCallback, StatusLineCallback_pf, "static_StatusLineCallback",
                    f(call.text("text"), call.client))
REPLAY_REGISTRATION(OrvEngShowRunningCoordinatesRegisterCallback, ShowRunningCoordinatesCallback_pf,
                    "static_StatusLineCoordsCallback", f(call.text("first"), call.text("second"), call.client))
REPLAY_REGISTRATION(OrvEngSelectRegionRegisterCallback, SelectRegionCallback_pf, "selectItemsInRectCallback",
                    f(static_cast<double>(call.n("x1")), static_cast<double>(call.n("y1")),
                      static_cast<double>(call.n("x2")), static_cast<double>(call.n("y2")),
                      static_cast<Boolean_t>(call.n("flag")), call.client))
#undef REPLAY_REGISTRATION

} // extern "C"

namespace orvane {
namespace replay {

void ReplaySession::deliverStateChange(int code)
{
    const std::vector<Callback> told = stateChangeCallbacks;
    for (const Callback& each : told)
        reinterpret_cast<void (*)(int, ArbParam_t)>(each.function)(code, each.client);
}

void ReplaySession::fire(std::size_t index)
{
    const RecordedSpan& span = this->span(index);
    const std::string& name = span.name();
    m_cursor = index + 1;
    // The callback around is current again afterwards, also after an exception.
    struct Current
    {
        const RecordedSpan*& current;
        const RecordedSpan* const outer;
        ~Current() { current = outer; }
    } current{m_currentCallback, m_currentCallback};
    m_currentCallback = &span;
    Callback callback{nullptr, 0, nullptr};
    if (name == "onIdle" && !idleQueue.empty())
    {
        callback = idleQueue.front();
        idleQueue.pop_front();
    }
    else
    {
        const auto found = callbacks.find(name);
        if (found != callbacks.end())
            callback = found->second;
    }
    if (name == "stateChange")
        deliverStateChange(static_cast<int>(span.number("change")));
    else if (callback.function == nullptr)
        lost = true;
    else
        callback.fire(*this, span, callback);
    m_cursor = span.end;
}

} // namespace replay
} // namespace orvane
