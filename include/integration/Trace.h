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
// of the Trace Event Format ({"displayTimeUnit": "ns", "traceEvents": [...]})
// that Perfetto (ui.perfetto.dev, trace_processor) and chrome://tracing open.
//
// While a trace records, the library writes, on one track per thread (the
// thread that started the trace is "GUI thread"):
//   - a span ("B"/"E", strictly nested) for each engine callback into the
//     library (category "callback"), each host request (init, start, stop,
//     addPage, deletePage, setCurrentPage, redraw; category "request") and
//     each input event the host reports in a drawing area (category
//     "input");
//   - nested inside them, a span for each call the library makes on the
//     engine (category "engine", the engine function's name, with the depth
//     of the engine's application lock as "lock") and each application lock
//     it takes ("AppLock", with its "value"), and a span for each call on the
//     host (category "host": makeCurrent, releaseCurrent, swapBuffers,
//     getSize, isValid, canRender, the render decider, service operations,
//     the factory, listeners and signals of page announcements, idle and
//     busy processing);
//   - a span "frame" (category "frame") from the render query to the swap,
//     with the page's unique id ("page"), the drawing area's size ("width",
//     "height") and whether the buffers were swapped ("swapped": 0 when the
//     swap was refused, an interrupted frame; "drawn": 0 when the render
//     query said no);
//   - spans "busy pass" and "idle pass" (category "pass");
//   - flows ("s"/"f", category "flow"): from a host request that waits to
//     where it is carried out or dropped, and from each drawing-area input
//     event to the idle pass that hands it to the engine ("input.dispatch")
//     or drops it ("input.drop", with the "reason"); a mouse move made while
//     the engine is busy is dropped at once, inside its own span;
//   - a span "stateChange" (category "callback", with the engine's "change")
//     for each engine state change the library hands to its pages (a
//     rename, a style or layout change, a current-page change while a page
//     has not learnt its id);
//   - counters ("C"): "queued input", "waiting requests", "live pages".
// Arguments are ids and values; a page is named by its engine unique id.
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
