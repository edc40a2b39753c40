#ifndef ORVANE_INTEGRATION_INTERN_BOUNDARY_ENGINECALLBACKS_H
#define ORVANE_INTEGRATION_INTERN_BOUNDARY_ENGINECALLBACKS_H

#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/boundary/Engine.h"
#include "integration/intern/boundary/FrameTrace.h"
#include "integration/intern/boundary/LibraryFrame.h"
#include "integration/intern/boundary/TraceRecorder.h"
#include "ovsdkbase.h"

#include <cstdint>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// Every C callback the library registers with the engine: one trampoline
// each, from the callback's C signature to the member or static function
// that serves it (its template arguments, named where the callback is
// registered). Registered through Engine.h, with the serving object's
// address as client value (services: 0).
//
// Unwatched, a trampoline calls the server and nothing else. Watched, it
// first applies checked mode's thread check, then serves the callback in a
// "callback" span with its arguments, closed with its result and outputs.
//
// Exceptions: an exception of the host's code (a listener, a factory, a
// service object) passes through the trampoline to the engine unchanged,
// as from any engine call; the engine unwinds it to the host's call that
// started the operation. Spans close on the way. Services that must not
// let one through catch it themselves.
//
// Frames: page, busy, idle, service and dialog callbacks are library frames
// (LibraryFrame), so that what a host frees from inside them waits until the
// outermost frame returns. The render callbacks, called for every frame,
// are not.
namespace callbacks {

template <typename T>
T& served(ArbParam_t clientData)
{
    return *reinterpret_cast<T*>(static_cast<std::intptr_t>(clientData));
}

inline TraceArg handleArg(const char* key, ArbParam_t handle)
{
    return traceNumber(key, TraceRecorder::handleID(handle));
}

// The span of a watched callback: the thread check, then the span.
class CallbackSpan : public TraceSpan
{
public:
    CallbackSpan(const char* name, const char* callback, std::initializer_list<TraceArg> args = {})
    {
        DiagnosticReporter::checkThreadIfChecked(callback);
        if (recording())
            begin("callback", name, args);
    }
};

// --- pages ----------------------------------------------------------------------

template <class Server, bool (Server::*Serve)(StringList_pa)>
Boolean_t pageCreate(StringList_pa arguments, ArbParam_t clientData)
{
    const LibraryFrame frame;
    if (!DiagnosticReporter::isWatched())
        return (served<Server>(clientData).*Serve)(arguments) ? TRUE : FALSE;
    CallbackSpan span("pageCreate", "The engine's page-create callback",
                      {traceNumber("arguments", arguments != nullptr)});
    const Boolean_t result = (served<Server>(clientData).*Serve)(arguments) ? TRUE : FALSE;
    span.close({traceNumber("result", result)});
    return result;
}

// The page callbacks name a page by its handle; in checked mode the server
// checks it (`check`) before serving.
template <class Server, void (Server::*Serve)(ArbParam_t)>
void page(const char* name, const char* callback, ArbParam_t pageHandle, ArbParam_t clientData)
{
    const LibraryFrame frame;
    if (!DiagnosticReporter::isWatched())
        return (served<Server>(clientData).*Serve)(pageHandle);
    const CallbackSpan span(name, callback, {handleArg("page", pageHandle)});
    (served<Server>(clientData).*Serve)(pageHandle);
}

template <class Server, void (Server::*Serve)(ArbParam_t)>
void pageDestroy(ArbParam_t pageHandle, ArbParam_t clientData)
{
    page<Server, Serve>("pageDestroy", "The engine's page-destroy callback", pageHandle, clientData);
}

template <class Server, void (Server::*Serve)(ArbParam_t)>
void pageNewCurrent(ArbParam_t pageHandle, ArbParam_t clientData)
{
    page<Server, Serve>("pageNewCurrent", "The engine's new-current-page callback", pageHandle, clientData);
}

// --- rendering ------------------------------------------------------------------
//
// The server's members are templates on whether the callback is watched;
// the trampolines keep the trace's frame span (FrameTrace), which encloses
// the callbacks of one frame.

// Runs `call`; a host exception inside it (a drawing area with no context,
// a size or decider that throws) ends the frame before it reaches the engine.
template <class Server, class Call>
auto endFrameOnThrow(Server& server, Call call) -> decltype(call())
{
    try
    {
        return call();
    }
    catch (...)
    {
        server.frameTrace().ended(false, false);
        throw;
    }
}

// The watched forms, out of line: the unwatched ones stay a few instructions.
template <class Server>
__attribute__((noinline)) Boolean_t watchedRenderQuery(Server& server, ArbParam_t pageHandle)
{
    server.frameTrace().queried(pageHandle);
    const Boolean_t answer = endFrameOnThrow(server, [&server, pageHandle] {
        CallbackSpan span("renderQuery", "The engine's render-query callback", {handleArg("page", pageHandle)});
        const Boolean_t result = server.template renderQuery<true>(pageHandle);
        span.close({traceNumber("result", result)});
        return result;
    });
    if (answer != TRUE)
        server.frameTrace().ended(false, false);
    return answer;
}

template <class Server>
__attribute__((noinline)) Boolean_t watchedRenderDest(Server& server, int renderDest, ArbParam_t handle)
{
    return endFrameOnThrow(server, [&server, renderDest, handle] {
        CallbackSpan span("renderDest", "The engine's render-destination callback",
                          {traceNumber("dest", renderDest), handleArg("handle", handle)});
        const Boolean_t answer = server.template renderDest<true>(renderDest, handle);
        span.close({traceNumber("result", answer)});
        return answer;
    });
}

template <class Server>
__attribute__((noinline)) void watchedSwapBuffers(Server& server, ArbParam_t pageHandle)
{
    bool swapped = false;
    try
    {
        CallbackSpan span("swapBuffers", "The engine's swap-buffers callback", {handleArg("page", pageHandle)});
        swapped = server.template swapBuffers<true>(pageHandle);
        span.close({traceNumber("swapped", swapped)});
    }
    catch (...)
    {
        server.frameTrace().swapped(pageHandle, false);
        throw;
    }
    server.frameTrace().swapped(pageHandle, swapped);
}

template <class Server>
__attribute__((noinline)) void watchedRenderDestSize(Server& server, ArbParam_t pageHandle, int* width, int* height)
{
    const bool sized = endFrameOnThrow(server, [&server, pageHandle, width, height] {
        CallbackSpan span("renderDestSize", "The engine's render-destination-size callback",
                          {handleArg("page", pageHandle)});
        server.template renderDestSize<true>(pageHandle, width, height);
        if (width == nullptr || height == nullptr)
            return false;
        span.close({traceNumber("width", *width), traceNumber("height", *height)});
        return true;
    });
    if (sized)
        server.frameTrace().sized(pageHandle, *width, *height);
}

template <class Server>
Boolean_t renderQuery(ArbParam_t pageHandle, ArbParam_t clientData)
{
    Server& server = served<Server>(clientData);
    if (DiagnosticReporter::isWatched())
        return watchedRenderQuery(server, pageHandle);
    return server.template renderQuery<false>(pageHandle);
}

template <class Server>
Boolean_t renderDest(int renderDest, ArbParam_t handle, ArbParam_t clientData)
{
    Server& server = served<Server>(clientData);
    if (DiagnosticReporter::isWatched())
        return watchedRenderDest(server, renderDest, handle);
    return server.template renderDest<false>(renderDest, handle);
}

template <class Server>
void swapBuffers(ArbParam_t pageHandle, ArbParam_t clientData)
{
    Server& server = served<Server>(clientData);
    if (DiagnosticReporter::isWatched())
        return watchedSwapBuffers(server, pageHandle);
    server.template swapBuffers<false>(pageHandle);
}

template <class Server>
void renderDestSize(ArbParam_t pageHandle, ArbParam_t clientData, int* width, int* height)
{
    Server& server = served<Server>(clientData);
    if (DiagnosticReporter::isWatched())
        return watchedRenderDestSize(server, pageHandle, width, height);
    server.template renderDestSize<false>(pageHandle, width, height);
}

// --- busy and idle --------------------------------------------------------------

// Callbacks that pass the client value alone, served by a static function
// of the server that reads its object from it.
template <void (*Serve)(ArbParam_t)>
void clientOnly(const char* name, const char* callback, ArbParam_t clientData)
{
    const LibraryFrame frame;
    if (!DiagnosticReporter::isWatched())
        return Serve(clientData);
    const CallbackSpan span(name, callback);
    Serve(clientData);
}

template <void (*Serve)(ArbParam_t)>
void processBusyEvents(ArbParam_t clientData)
{
    clientOnly<Serve>("busyEvents", "The engine's busy-events callback", clientData);
}

template <void (*Serve)(ArbParam_t)>
void onIdle(ArbParam_t clientData)
{
    clientOnly<Serve>("onIdle", "The engine's on-idle callback", clientData);
}

// --- services and dialogs ---------------------------------------------------------
//
// Served by the service classes' static callbacks, which take the C
// arguments as they come. Checked mode checks no thread here: a service may
// be asked from the engine's own threads.

// A service callback whose outputs the trace records when it ends.
template <typename Serve, typename Record>
auto serveService(const char* name, std::initializer_list<TraceArg> args, Serve serve, Record record)
    -> decltype(serve())
{
    const LibraryFrame frame;
    if (!TraceRecorder::isRecording())
        return serve();
    TraceSpan span("callback", name, args);
    if constexpr (std::is_void<decltype(serve())>::value)
    {
        serve();
        record(span);
    }
    else
    {
        const auto result = serve();
        record(span, result);
        return result;
    }
}

template <void (*Serve)(CursorStyle_e, ArbParam_t, ArbParam_t)>
void baseCursorStyle(CursorStyle_e style, ArbParam_t renderHandle, ArbParam_t clientData)
{
    serveService("baseCursorStyleCallback", {traceNumber("style", style), handleArg("page", renderHandle)},
                 [&] { Serve(style, renderHandle, clientData); }, [](TraceSpan&) {});
}

template <void (*Serve)(Boolean_t, ArbParam_t)>
void waitCursorState(Boolean_t activate, ArbParam_t clientData)
{
    serveService("waitCursorStateCallback", {traceNumber("activate", activate)},
                 [&] { Serve(activate, clientData); }, [](TraceSpan&) {});
}

template <Boolean_t (*Serve)(const char*, char**, Boolean_t, ArbParam_t)>
Boolean_t dialogGetSimpleText(const char* instructions, char** text, Boolean_t useText, ArbParam_t clientData)
{
    return serveService(
        "dialogGetSimpleTextBoxCallback",
        {traceText("instructions", instructions), traceNumber("useText", useText),
         traceText("text", useText == TRUE && text != nullptr ? *text : nullptr)},
        [&] { return Serve(instructions, text, useText, clientData); },
        [&](TraceSpan& span, Boolean_t result) {
            span.close({traceNumber("result", result),
                        traceText("text", result == TRUE && text != nullptr ? *text : nullptr)});
        });
}

template <void (*Serve)(const char*, ArbParam_t)>
void mruLayoutFilename(const char* layoutFileName, ArbParam_t clientData)
{
    serveService("static_updateMRULayoutCallback", {traceText("layoutFileName", layoutFileName)},
                 [&] { Serve(layoutFileName, clientData); }, [](TraceSpan&) {});
}

template <void (*Serve)(ArbParam_t, double*, double*)>
void dotPitch(ArbParam_t clientData, double* x, double* y)
{
    // Recorded in nanometres per dot: the trace's values are whole numbers.
    serveService("staticDotPitchCallback", {}, [&] { Serve(clientData, x, y); }, [&](TraceSpan& span) {
        span.close({x != nullptr ? traceWhole("xNanometres", *x * 1e6) : traceNumber("xNanometres", -1),
                    y != nullptr ? traceWhole("yNanometres", *y * 1e6) : traceNumber("yNanometres", -1)});
    });
}

template <void (*Serve)(ArbParam_t, int*, int*)>
void screenSize(ArbParam_t clientData, int* width, int* height)
{
    serveService("staticScreenSizeCallback", {}, [&] { Serve(clientData, width, height); }, [&](TraceSpan& span) {
        span.close({traceNumber("width", width != nullptr ? *width : -1),
                    traceNumber("height", height != nullptr ? *height : -1)});
    });
}

template <void (*Serve)(ArbParam_t, Boolean_t*, Boolean_t*, Boolean_t*)>
void keyState(ArbParam_t clientData, Boolean_t* shift, Boolean_t* alt, Boolean_t* control)
{
    serveService("staticKeyStateCallback", {}, [&] { Serve(clientData, shift, alt, control); }, [&](TraceSpan& span) {
        span.close({traceNumber("shift", shift != nullptr ? *shift : -1),
                    traceNumber("alt", alt != nullptr ? *alt : -1),
                    traceNumber("control", control != nullptr ? *control : -1)});
    });
}

template <Boolean_t (*Serve)(int, ArbParam_t)>
Boolean_t mouseButtonState(int button, ArbParam_t clientData)
{
    return serveService("staticMouseButtonStateCallback", {traceNumber("button", button)},
                        [&] { return Serve(button, clientData); },
                        [](TraceSpan& span, Boolean_t result) { span.close({traceNumber("result", result)}); });
}

template <const char* (*Serve)(ArbParam_t)>
const char* openGLVersionString(ArbParam_t clientData)
{
    return serveService("staticOpenGLVersionStringCallback", {}, [&] { return Serve(clientData); },
                        [](TraceSpan& span, const char* result) { span.close({traceText("result", result)}); });
}

template <MessageBoxReply_e (*Serve)(const char*, MessageBoxType_e, ArbParam_t)>
MessageBoxReply_e dialogMessageBox(const char* message, MessageBoxType_e type, ArbParam_t clientData)
{
    return serveService("dialogMessageBoxCallback", {traceText("message", message), traceNumber("type", type)},
                        [&] { return Serve(message, type, clientData); },
                        [](TraceSpan& span, MessageBoxReply_e result) { span.close({traceNumber("result", result)}); });
}

template <Boolean_t (*Serve)(int, int, ExportRegion_e, ArbParam_t, ArbParam_t*)>
Boolean_t offscreenImageCreate(int width, int height, ExportRegion_e region, ArbParam_t clientData,
                               ArbParam_t* imageHandle)
{
    return serveService(
        "static_ImageCreateCallback",
        {traceNumber("width", width), traceNumber("height", height), traceNumber("region", region)},
        [&] { return Serve(width, height, region, clientData, imageHandle); },
        [&](TraceSpan& span, Boolean_t result) {
            span.close({traceNumber("result", result),
                        traceNumber("image",
                                    imageHandle != nullptr ? TraceRecorder::handleID(*imageHandle) : 0)});
        });
}

template <void (*Serve)(ArbParam_t, ArbParam_t)>
void offscreenImageDestroy(ArbParam_t imageHandle, ArbParam_t clientData)
{
    serveService("static_ImageDestroyCallback", {handleArg("image", imageHandle)},
                 [&] { Serve(imageHandle, clientData); }, [](TraceSpan&) {});
    TraceRecorder::forgetHandle(imageHandle);
}

template <Boolean_t (*Serve)(ArbParam_t, int, ArbParam_t, unsigned char*, unsigned char*, unsigned char*)>
Boolean_t offscreenImageGetRGBRow(ArbParam_t imageHandle, int row, ArbParam_t clientData, unsigned char* red,
                                  unsigned char* green, unsigned char* blue)
{
    return serveService("static_ImageGetRGBRowCallback", {handleArg("image", imageHandle), traceNumber("row", row)},
                        [&] { return Serve(imageHandle, row, clientData, red, green, blue); },
                        [](TraceSpan& span, Boolean_t result) { span.close({traceNumber("result", result)}); });
}

template <void (*Serve)(const char*, ArbParam_t)>
void statusLine(const char* text, ArbParam_t clientData)
{
    serveService("static_StatusLineCallback", {traceText("text", text)}, [&] { Serve(text, clientData); },
                 [](TraceSpan&) {});
}

template <void (*Serve)(const char*, const char*, ArbParam_t)>
void showRunningCoordinates(const char* first, const char* second, ArbParam_t clientData)
{
    serveService("static_StatusLineCoordsCallback", {traceText("first", first), traceText("second", second)},
                 [&] { Serve(first, second, clientData); }, [](TraceSpan&) {});
}

template <void (*Serve)(double, double, double, double, Boolean_t, ArbParam_t)>
void selectRegion(double x1, double y1, double x2, double y2, Boolean_t flag, ArbParam_t clientData)
{
    serveService("selectItemsInRectCallback",
                 {traceWhole("x1", x1), traceWhole("y1", y1), traceWhole("x2", x2), traceWhole("y2", y2),
                  traceNumber("flag", flag)},
                 [&] { Serve(x1, y1, x2, y2, flag, clientData); }, [](TraceSpan&) {});
}

template <void (*Serve)(int, ArbParam_t)>
void progressMonitor(int percentDone, ArbParam_t clientData)
{
    serveService("static_ProgressMonitorCallback", {traceNumber("percentDone", percentDone)},
                 [&] { Serve(percentDone, clientData); }, [](TraceSpan&) {});
}

template <void (*Serve)(Boolean_t, Boolean_t, ArbParam_t)>
void progressMonitorStart(Boolean_t first, Boolean_t second, ArbParam_t clientData)
{
    serveService("static_ProgressMonitorStartCallback", {traceNumber("first", first), traceNumber("second", second)},
                 [&] { Serve(first, second, clientData); }, [](TraceSpan&) {});
}

template <void (*Serve)(ArbParam_t)>
void progressMonitorFinish(ArbParam_t clientData)
{
    serveService("static_ProgressMonitorFinishCallback", {}, [&] { Serve(clientData); }, [](TraceSpan&) {});
}

template <Boolean_t (*Serve)(ArbParam_t)>
Boolean_t dialogLaunch(ArbParam_t clientData)
{
    return serveService("dialogLaunchCallback", {handleArg("launcher", clientData)}, [&] { return Serve(clientData); },
                        [](TraceSpan& span, Boolean_t result) { span.close({traceNumber("result", result)}); });
}

} // namespace callbacks
} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_BOUNDARY_ENGINECALLBACKS_H
