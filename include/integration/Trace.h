#ifndef ORVANE_INTEGRATION_TRACE_H
#define ORVANE_INTEGRATION_TRACE_H

#include "util/Export.h"

#include <boost/function.hpp>

#include <cstddef>
#include <iosfwd>

namespace orvane {
namespace sdk {
namespace integration {

// A recording of what crosses the library's boundary, in the JSON object form
// of the Trace Event Format that Perfetto (ui.perfetto.dev, trace_processor)
// and chrome://tracing open:
//   {"displayTimeUnit": "ns",
//    "otherData": {"format": "orvane-boundary-trace", "schemaVersion": 3,
//                  "checkedMode": whether checked mode was on as it started},
//    "traceEvents": [...]}
// One track per thread (the thread that started the trace is "GUI thread").
// Spans ("B"/"E") are strictly nested; their arguments are on the "B" event,
// what they return ("result" and outputs) on the "E" event. Every crossing
// carries its arguments and results as ids and values, enough to answer the
// library's engine calls from the trace alone: a page or an image is named
// by its handle number ("page", "image", "handle": small numbers in the
// order the recording first saw each handle, renumbered when an address
// serves a new object after its object is gone), or by its engine unique id where the event
// says "id"; a text is written as text (cut at 120 bytes, before a
// character that would not fit; each byte that is not well-formed UTF-8 as
// U+FFFD), another pointer as 1 or 0 (set or not).
//
// | category | name | arguments ("B") | results ("E") |
// |---|---|---|---|
// | engine | each engine function the library calls, e.g. OrvUtilRedraw | "lock" (application lock depth), the function's arguments by name (OrvEngPageCreateNew: "page"; OrvUtilPageSetCurrentByUniqueID: "id") | "result" (OrvEngGetHelpAbout also "text") |
// | engine | AppLock | "value", "lock" | |
// | callback | pageCreate | "arguments" (set or not) | "result" |
// | callback | pageDestroy, pageNewCurrent | "page" | |
// | callback | renderQuery | "page" | "result" |
// | callback | renderDest | "dest" (0 end, 1 screen, 2 image, 3 none), "handle" | "result" |
// | callback | renderDestSize | "page" | "width", "height" |
// | callback | swapBuffers | "page" | "swapped" |
// | callback | busyEvents, onIdle | | |
// | callback | stateChange (a state change handed to pages, and the engine's quit heard by the manager) | "change" | |
// | callback | a service's callback, named after its static function (staticDotPitchCallback, static_ImageCreateCallback, dialogMessageBoxCallback, ...), and dialogLaunchCallback | its arguments ("message", "type", "width", "height", "region", "image", "row", "text", "button", ...) | its reply: "result", and outputs ("xNanometres"/"yNanometres", "width"/"height", "shift"/"alt"/"control", "image", "text") |
// | host | makeCurrent, releaseCurrent, isValid, canRender | | "result" |
// | host | swapBuffers | | |
// | host | getSize | | "width", "height" |
// | host | shouldOpenGLBuffersBeSwapped (the top render decider) | "page" (id) | "result" |
// | host | createGLDrawArea (the factory) | | "result" (handle number, 0 for none) |
// | host | page listeners, page signal, idle listeners, signalOnIdle, signalEngineStarted, engineInterrupted | | |
// | host | swapBuffers and the sets above, where the host's code threw (a call with a result has none then) | | "threw" 1 |
// | request | init, start, stop, interrupt, pushPageRenderDecider, popPageRenderDecider | pushPageRenderDecider: "decider" 0 where the host passed none | |
// | request | setCheckedMode (checked mode turned on or off) | "checked" | |
// | request | addPage | "area" (handle number of the drawing area, 0 for none) | |
// | request | the monitor's signals the library hears: wheelRotated, widgetChangeDueToTimerEvent, engineIsNoLongerBusy; processingNewEvent | processingNewEvent: "receiver" (handle number), "allowsInterrupt" | |
// | host | isMouseButtonPressed (the miscellaneous-queries service, asked by the library) | "button" | "result" |
// | host | isActive (a stop button) | "button" (handle number) | "result" |
// | request | registerStopButton, unRegisterStopButton | "button" (handle number) | |
// | request | a drawing area's state told to the library: drawAreaExposed, drawAreaDestroyed, drawAreaFocusGained | "area" (handle number); drawAreaExposed: "full" | |
// | request | the host's reports to its monitor: notifyOfIdle; notifyOfMouseMoved, notifyOfButtonPressed, notifyOfButtonDoublePressed, notifyOfButtonReleased, notifyOfKeyPressed, notifyOfKeyReleased | input: "x", "y", "buttonOrKey" (-1 where the event has none) | |
// | request | deletePage, setCurrentPage, redraw | "page" (id) | |
// | request | setDrawArea (a page moved to another drawing area, or to none) | "page" (id), "area" (handle number, 0 for none) | |
// | request | carry out (a waiting request carried out) | "request", "page" (id) | |
// | request | request dropped | | |
// | frame | frame (render query to swap) | "page" (id) | "drawn", "swapped", "width", "height" |
// | pass | busy pass, idle pass | | |
// | idle | damage | "page" (id), "full" | |
// | input | buttonPressed, buttonReleased, buttonDoublePressed, mouseMoved, keyPressed, keyReleased (as the host reports it) | "area" (handle number of the drawing area), "x", "y", "buttonOrKey", "modifiers" (queued events: 1 Shift, 2 Control, 4 Alt) | |
// | input | input.dispatch | "kind", "x", "y", "buttonOrKey" | "interrupted" |
// | input | input.drop | "reason", "events" | |
//
// Flows ("s"/"f", category "flow"): "deletePage" and "setCurrentPage", from a
// request that waits to the "carry out" or "request dropped" span; "input",
// from an input span to its "input.dispatch" or "input.drop". Counters
// ("C", argument "value"): "queued input", "waiting requests", "live pages".
//
// The library opens no file and reads no setting: the host gives it a sink
// and starts and stops the recording.
class OVSDK_INTEGRATION_EXPORT Trace
{
public:
    // Receives the trace's text in pieces; the pieces of one thread, in the
    // order received, are the thread's part of the JSON document.
    typedef boost::function<void(const char* data, std::size_t size)> Sink;

    enum
    {
        DefaultBufferBytes = 64 * 1024,
        MinimumBufferBytes = 4 * 1024
    };

    Trace() = delete;

    // Starts a recording into `sink`. Events are collected in a buffer of
    // `bufferBytes` (at least MinimumBufferBytes) per recording thread,
    // allocated once per thread and recording; the sink is called with a
    // buffer's content when it is full, when stop() is called and, on a
    // thread other than the one that started the recording, each time that
    // thread leaves its outermost span. Recording allocates nothing per
    // event. The first piece (the document's head) reaches the sink before
    // start() returns.
    //
    // Returns false, and changes nothing, when a recording runs already or
    // `sink` is empty.
    // Errors: std::bad_alloc when the buffer cannot be allocated; an
    // exception of the sink while it receives the head passes to the caller,
    // and nothing records. An exception of the sink while a buffer is handed
    // over during the recording is caught: that buffer's events are lost,
    // and the recording and the library call that filled the buffer go on.
    // Thread safety: call start() and stop() on the GUI thread, ordered (by
    // a happens-before relation of your own, like Diagnostics::setHandler)
    // against every call of the library on another thread. The sink is
    // called on the thread whose events it receives: a host whose engine
    // calls back on other threads gives a sink that is safe to call from
    // several threads at once. The library takes no lock of its own.
    // Re-entrancy: may be called from a listener or a callback; spans open
    // at start() are not recorded, spans open at stop() stay open in the
    // document (the summary tool lists them).
    static bool start(const Sink& sink, std::size_t bufferBytes = DefaultBufferBytes);

    // The same, with a sink that writes to `stream`, for a host that calls
    // the library on one thread; the stream must outlive the recording.
    static bool start(std::ostream& stream, std::size_t bufferBytes = DefaultBufferBytes);

    // Ends the recording: the calling thread's events and the document's
    // tail reach the sink, which is released, with the buffer. Events left in
    // the buffers of other threads (inside a span when stop() is called) are
    // lost. Does nothing when no recording runs.
    //
    // Errors: an exception of the sink passes to the caller; the recording
    // has stopped all the same.
    // Thread safety, re-entrancy: as start().
    static void stop();

    // Whether a recording runs.
    // Thread safety: may be called from any thread. Re-entrancy: any.
    static bool isRecording();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_TRACE_H
