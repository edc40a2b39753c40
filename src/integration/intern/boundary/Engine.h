#ifndef ORVANE_INTEGRATION_INTERN_BOUNDARY_ENGINE_H
#define ORVANE_INTEGRATION_INTERN_BOUNDARY_ENGINE_H

#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/boundary/TraceRecorder.h"
#include "ovsdkbase.h"
#include "ovsdkcommon/AppLock.h"

#include <type_traits>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// Everything the library asks of the engine: one function for each function
// of the engine's C API that the library calls, named after it, with its
// arguments and result. No other file of the library calls the engine, and
// this is the one place where those calls are watched:
//
// - unwatched (no checked mode, no trace), each is the engine call itself;
// - in checked mode, a call from another thread than init()'s is reported;
// - while a trace records, each call is an "engine" span named after the
//   function, with the application lock's depth ("lock"), its arguments by
//   name, and its result ("result") when it ends. Handles (pages, clients)
//   are recorded as the trace's handle numbers, texts as texts, other
//   pointers as whether they are set.
//
// Thread safety: as the engine's own functions (the GUI thread).
namespace engine {

namespace detail {

// A handle argument: passed to the engine as it is, recorded as its number
// in the trace.
struct Handle
{
    ArbParam_t value;
    operator ArbParam_t() const { return value; }
};

template <typename T>
struct Arg
{
    const char* key;
    T value;
};

template <typename T>
Arg<T> arg(const char* key, T value)
{
    return Arg<T>{key, value};
}

inline Arg<Handle> handle(const char* key, ArbParam_t value) { return Arg<Handle>{key, Handle{value}}; }

template <typename T>
typename std::enable_if<std::is_arithmetic<T>::value || std::is_enum<T>::value, TraceArg>::type
traceValue(const char* key, T value)
{
    return traceNumber(key, static_cast<long long>(value));
}
inline TraceArg traceValue(const char* key, const char* text) { return traceText(key, text); }
inline TraceArg traceValue(const char* key, Handle handle)
{
    return traceNumber(key, TraceRecorder::handleID(handle.value));
}
template <typename T>
TraceArg traceValue(const char* key, T* pointer)
{
    return traceNumber(key, pointer != nullptr);
}

// The watched call: the thread check, then the call in its span. Out of
// line, with its arguments by value: the unwatched call builds nothing.
template <typename R, typename... P, typename... A>
__attribute__((noinline, cold)) R watchedCall(const char* name, R (*function)(P...), Arg<A>... args)
{
    DiagnosticReporter::checkThreadIfChecked(name);
    TraceSpan span;
    if (span.recording())
        span.begin("engine", name,
                   {traceNumber("lock", TraceRecorder::lockDepth()), traceValue(args.key, args.value)...});
    if constexpr (std::is_void<R>::value)
    {
        function(args.value...);
        span.close();
    }
    else
    {
        const R result = function(args.value...);
        span.close({traceValue("result", result)});
        return result;
    }
}

template <typename R, typename... P, typename... A>
inline R call(const char* name, R (*function)(P...), Arg<A>... args)
{
    if (DiagnosticReporter::isWatched())
        return watchedCall(name, function, args...);
    return function(args.value...);
}

} // namespace detail

using detail::arg;
using detail::call;
using detail::handle;

// The engine's application lock, held for the object's lifetime around the
// engine calls it brackets; recorded as an "AppLock" span with its value.
class AppLock
{
public:
    explicit AppLock(sdk::AppLock::ImplicitMacroRecording value) : m_trace(value), m_lock(value) {}

private:
    class Trace
    {
    public:
        explicit Trace(int value) : m_session(TraceRecorder::isRecording() ? begin(value) : 0) {}
        ~Trace()
        {
            if (m_session != 0)
                end(m_session);
        }
        Trace(const Trace&) = delete;
        Trace& operator=(const Trace&) = delete;

    private:
        // The recording the span was begun in.
        __attribute__((noinline)) static unsigned begin(int value)
        {
            const unsigned session = TraceRecorder::session();
            if (session == 0)
                return 0;
            TraceRecorder::begin("engine", "AppLock",
                                 {traceNumber("value", value), traceNumber("lock", TraceRecorder::lockDepth())});
            TraceRecorder::lockTaken(value);
            return session;
        }
        __attribute__((noinline)) static void end(unsigned session)
        {
            TraceRecorder::lockReleased();
            if (session == TraceRecorder::session())
                TraceRecorder::end();
        }

        unsigned m_session;
    };

    Trace m_trace; // begun before the lock is taken, ended after it is released
    sdk::AppLock m_lock;
};

// --- lifecycle ----------------------------------------------------------------

namespace detail {
inline bool s_initialized = false;
inline unsigned s_shutdowns = 0;
} // namespace detail

// Whether the engine is initialised: from an OrvEngInit that succeeded
// until OrvEngFinalizeShutdown.
inline bool isInitialized() { return detail::s_initialized; }
// Whether the engine was shut down since the watch was made: an operation
// that hands control to host code asks it afterwards, since a listener may
// stop the manager (and start it again) before it returns.
class ShutdownWatch
{
public:
    ShutdownWatch() : m_shutdowns(detail::s_shutdowns) {}
    bool shutDown() const { return detail::s_shutdowns != m_shutdowns; }

private:
    unsigned m_shutdowns;
};

inline int OrvEngInit(int argc, char** argv, StateModernizationLevel_e level)
{
    const int result = call("OrvEngInit", ::OrvEngInit, arg("argc", argc), arg("argv", argv), arg("level", level));
    detail::s_initialized = result == 0;
    return result;
}
inline Boolean_t OrvEngStartup() { return call("OrvEngStartup", ::OrvEngStartup); }
inline void OrvEngInitiateShutdown(Boolean_t force)
{
    call("OrvEngInitiateShutdown", ::OrvEngInitiateShutdown, arg("force", force));
}
inline void OrvEngFinalizeShutdown()
{
    // Shut down also when host code the engine calls on the way (page
    // listeners) throws.
    struct Finalized
    {
        ~Finalized()
        {
            detail::s_initialized = false;
            ++detail::s_shutdowns;
        }
    } finalized;
    call("OrvEngFinalizeShutdown", ::OrvEngFinalizeShutdown);
}
// Records the text the engine gives too.
inline Boolean_t OrvEngGetHelpAbout(char** text)
{
    if (!DiagnosticReporter::isWatched())
        return ::OrvEngGetHelpAbout(text);
    DiagnosticReporter::checkThreadIfChecked("OrvEngGetHelpAbout");
    TraceSpan span("engine", "OrvEngGetHelpAbout", {traceNumber("lock", TraceRecorder::lockDepth())});
    const Boolean_t result = ::OrvEngGetHelpAbout(text);
    span.close({traceNumber("result", result), traceText("text", result == TRUE && text != nullptr ? *text : "")});
    return result;
}

// --- engine-owned texts ---------------------------------------------------------

inline char* OrvUtilStringAlloc(int size, const char* debugInfo)
{
    return call("OrvUtilStringAlloc", ::OrvUtilStringAlloc, arg("size", size), arg("debugInfo", debugInfo));
}
inline void OrvUtilStringDealloc(char** text)
{
    call("OrvUtilStringDealloc", ::OrvUtilStringDealloc, arg("text", text));
}

// --- locks ----------------------------------------------------------------------

inline void OrvUtilParentLockStart(Boolean_t shutdownImplicitRecording)
{
    call("OrvUtilParentLockStart", ::OrvUtilParentLockStart,
         arg("shutdownImplicitRecording", shutdownImplicitRecording));
}
inline void OrvUtilParentLockFinish() { call("OrvUtilParentLockFinish", ::OrvUtilParentLockFinish); }

// --- pages ----------------------------------------------------------------------

inline int OrvUtilPageGetCount() { return call("OrvUtilPageGetCount", ::OrvUtilPageGetCount); }
inline UniqueID_t OrvUtilPageGetUniqueID() { return call("OrvUtilPageGetUniqueID", ::OrvUtilPageGetUniqueID); }
inline Boolean_t OrvUtilPageSetCurrentByUniqueID(UniqueID_t id)
{
    return call("OrvUtilPageSetCurrentByUniqueID", ::OrvUtilPageSetCurrentByUniqueID, arg("id", id));
}
// A page gone retired its handle's number, so an address that serves a new
// page is numbered anew.
inline Boolean_t OrvEngPageCreateNew(ArbParam_t clientHandle, StringList_pa arguments)
{
    return call("OrvEngPageCreateNew", ::OrvEngPageCreateNew, handle("page", clientHandle),
                arg("arguments", arguments));
}
inline Boolean_t OrvUtilPageDelete() { return call("OrvUtilPageDelete", ::OrvUtilPageDelete); }
inline void OrvEngPageDamaged(Boolean_t fullDamage, UniqueID_t pageID)
{
    call("OrvEngPageDamaged", ::OrvEngPageDamaged, arg("fullDamage", fullDamage), arg("id", pageID));
}
inline void OrvEngPagePrintPreviewSetActive(Boolean_t active)
{
    call("OrvEngPagePrintPreviewSetActive", ::OrvEngPagePrintPreviewSetActive, arg("active", active));
}
inline Boolean_t OrvUtilRedraw(Boolean_t doFullDrawing)
{
    return call("OrvUtilRedraw", ::OrvUtilRedraw, arg("doFullDrawing", doFullDrawing));
}
inline Boolean_t OrvUtilStateIsProcessingLayout()
{
    return call("OrvUtilStateIsProcessingLayout", ::OrvUtilStateIsProcessingLayout);
}
inline void OrvEngDoOUAssert(const char* kind, const char* expression, const char* message, const char* function)
{
    call("OrvEngDoOUAssert", ::OrvEngDoOUAssert, arg("kind", kind), arg("expression", expression),
         arg("message", message), arg("function", function));
}

// --- work area, busy state, interruption, idle time -------------------------------

inline Boolean_t OrvUtilDispatchWorkAreaEvent(int x, int y, int buttonOrKey, int kind, Boolean_t shift, Boolean_t alt,
                                              Boolean_t control)
{
    return call("OrvUtilDispatchWorkAreaEvent", ::OrvUtilDispatchWorkAreaEvent, arg("x", x), arg("y", y),
                arg("buttonOrKey", buttonOrKey), arg("kind", kind), arg("shift", shift), arg("alt", alt),
                arg("control", control));
}
inline Boolean_t OrvUtilIsBusy() { return call("OrvUtilIsBusy", ::OrvUtilIsBusy); }
inline void OrvUtilInterrupt() { call("OrvUtilInterrupt", ::OrvUtilInterrupt); }
inline Boolean_t OrvUtilInterruptIsSet() { return call("OrvUtilInterruptIsSet", ::OrvUtilInterruptIsSet); }
inline Boolean_t OrvUtilInterruptCheck() { return call("OrvUtilInterruptCheck", ::OrvUtilInterruptCheck); }
inline Boolean_t OrvEngProcessTasksOnIdle() { return call("OrvEngProcessTasksOnIdle", ::OrvEngProcessTasksOnIdle); }
inline void OrvUtilOnIdleQueueAddCallback(void (*callback)(ArbParam_t clientData), ArbParam_t clientData)
{
    call("OrvUtilOnIdleQueueAddCallback", ::OrvUtilOnIdleQueueAddCallback, arg("callback", callback),
         handle("client", clientData));
}

// --- error reporting and batch mode -----------------------------------------------

inline void OrvUtilDialogErrMsg(const char* message)
{
    call("OrvUtilDialogErrMsg", ::OrvUtilDialogErrMsg, arg("message", message));
}
inline Boolean_t OrvUtilMacroIsBatchModeActive()
{
    return call("OrvUtilMacroIsBatchModeActive", ::OrvUtilMacroIsBatchModeActive);
}

// --- callback registration ----------------------------------------------------------
//
// The callbacks registered are the trampolines of EngineCallbacks.h.

inline void OrvEngProgressMonitorRegisterCallback(void (*progress)(int, ArbParam_t),
                                                  void (*start)(Boolean_t, Boolean_t, ArbParam_t),
                                                  void (*finish)(ArbParam_t), ArbParam_t clientData)
{
    call("OrvEngProgressMonitorRegisterCallback", ::OrvEngProgressMonitorRegisterCallback, arg("progress", progress),
         arg("start", start), arg("finish", finish), handle("client", clientData));
}
inline void OrvEngDialogLaunchDropRegisterCallbacks(int dialog, Boolean_t (*launch)(ArbParam_t),
                                                    void (*drop)(ArbParam_t), ArbParam_t clientData)
{
    call("OrvEngDialogLaunchDropRegisterCallbacks", ::OrvEngDialogLaunchDropRegisterCallbacks, arg("dialog", dialog),
         arg("launch", launch), arg("drop", drop), handle("client", clientData));
}

// The registrations that take one callback and a client value.
#define ORVANE_ENGINE_REGISTRATION(Function, Callback)                                                                 \
    inline void Function(Callback callback, ArbParam_t clientData)                                                     \
    {                                                                                                                  \
        call(#Function, ::Function, arg("callback", callback), handle("client", clientData));                          \
    }
ORVANE_ENGINE_REGISTRATION(OrvEngPageCreateRegisterCallback, PageCreateCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngPageDestroyRegisterCallback, PageDestroyCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngPageNewCurrentRegisterCallback, PageNewCurrentCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngRenderQueryRegisterCallback, RenderQueryCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngRenderDestRegisterCallback, RenderDestCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngSwapBuffersRegisterCallback, SwapBuffersCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngRenderDestSizeRegisterCallback, RenderDestSizeCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngProcessBusyEventsRegisterCallback, ProcessBusyEventsCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngBaseCursorStyleRegisterCallback, BaseCursorStyleCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngWaitCursorStateRegisterCallback, WaitCursorStateCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngDialogGetSimpleTextRegisterCallback, DialogGetSimpleTextCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngMRULayoutFilenameRegisterCallback, MRULayoutFilenameCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngDotPitchRegisterCallback, DotPitchCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngScreenSizeRegisterCallback, ScreenSizeCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngKeyStateRegisterCallback, KeyStateCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngMouseButtonStateRegisterCallback, MouseButtonStateCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngOpenGLVersionStringRegisterCallback, OpenGLVersionStringCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngDialogMessageBoxRegisterCallback, DialogMessageBoxCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngOffscreenImageCreateRegisterCallback, OffscreenImageCreateCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngOffscreenImageDestroyRegisterCallback, OffscreenImageDestroyCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngOffscreenImageGetRGBRowRegisterCallback, OffscreenImageGetRGBRowCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngStatusLineRegisterCallback, StatusLineCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngShowRunningCoordinatesRegisterCallback, ShowRunningCoordinatesCallback_pf)
ORVANE_ENGINE_REGISTRATION(OrvEngSelectRegionRegisterCallback, SelectRegionCallback_pf)
#undef ORVANE_ENGINE_REGISTRATION

} // namespace engine
} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_BOUNDARY_ENGINE_H
