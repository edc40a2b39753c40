#ifndef ORVANE_INTEGRATION_INTERN_BOUNDARY_TRACERECORDER_H
#define ORVANE_INTEGRATION_INTERN_BOUNDARY_TRACERECORDER_H

#include "integration/Trace.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/TraceObserver.h"

#include <atomic>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <limits>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

inline TraceArg traceNumber(const char* key, long long number) { return TraceArg{key, number, nullptr}; }
inline TraceArg traceText(const char* key, const char* text) { return TraceArg{key, 0, text != nullptr ? text : ""}; }
// A real number as a whole one, toward zero; beyond a long long's range the
// nearest end of it, NaN as 0 (the engine may pass any double).
inline TraceArg traceWhole(const char* key, double number)
{
    const double limit = 9.2e18; // within the range, both ways
    const long long whole = std::isnan(number)  ? 0
                            : number >= limit   ? std::numeric_limits<long long>::max()
                            : number <= -limit ? std::numeric_limits<long long>::min()
                                                : static_cast<long long>(number);
    return traceNumber(key, whole);
}

// The library's side of Trace: the recording of boundary events into a
// buffer per thread, handed to the host's sink. Every recording function
// does nothing while no recording runs; callers on hot paths ask
// isRecording() once per crossing (one load, shared with checked mode) and
// take a path that records everything nested under that one check.
class TraceRecorder
{
public:
    TraceRecorder() = delete;

    static bool isRecording() { return DiagnosticReporter::isTracing(); }
    // The running recording's number, 0 while none runs: a span begun in one
    // recording is not ended in another.
    static unsigned session() { return s_session.load(std::memory_order_acquire); }

    static bool start(const Trace::Sink& sink, std::size_t bufferBytes);
    // A recording whose spans on the calling thread go to `observer`, not
    // into a document.
    static bool start(TraceObserver& observer);
    static void stop();

    // Categories, names and argument keys are the library's own literals, written
    // as they are; text arguments are escaped.
    static void begin(const char* category, const char* name, std::initializer_list<TraceArg> args = {});
    static void end(std::initializer_list<TraceArg> args = {});
    static void instant(const char* category, const char* name, std::initializer_list<TraceArg> args = {});
    static void counter(const char* name, long long value);
    // A flow's start and end, bound to the span enclosing them. Flows
    // numbered before the recording started (newFlowId()) do not end in it.
    static void flowStart(const char* name, unsigned long long id);
    static void flowEnd(const char* name, unsigned long long id);
    static unsigned long long newFlowId();
    // The number a handle (a page's or an image's address) is recorded as:
    // small, in the order handles were first seen in the recording, the
    // same on every run. 0 for 0 and while no recording runs.
    static long long handleID(long long handle);
    // Retires the number of a handle whose object is gone: an object made
    // later at the same address is numbered anew, as it is where the
    // allocator placed it elsewhere.
    static void forgetHandle(long long handle);

    // Spans open on the calling thread, and application locks among them.
    static int depth();
    static int lockDepth();
    static void lockTaken(int value);
    static void lockReleased();

private:
    static std::atomic<unsigned> s_session;
};

// A span of the calling thread for the lifetime of the object, when a
// recording runs at its construction; it ends also when an exception passes.
// Arguments that cost something to compute are given to begin() or close()
// once recording() says they are wanted.
class TraceSpan
{
public:
    // Begins nothing yet.
    TraceSpan() : m_session(TraceRecorder::session()), m_begun(false) {}
    TraceSpan(const char* category, const char* name, std::initializer_list<TraceArg> args = {})
        : m_session(TraceRecorder::session()), m_begun(false)
    {
        begin(category, name, args);
    }
    ~TraceSpan() { close(); }
    TraceSpan(const TraceSpan&) = delete;
    TraceSpan& operator=(const TraceSpan&) = delete;

    // Whether a recording ran at the construction.
    bool recording() const { return m_session != 0; }
    void begin(const char* category, const char* name, std::initializer_list<TraceArg> args = {})
    {
        if (m_session == 0 || m_begun)
            return;
        TraceRecorder::begin(category, name, args);
        m_begun = true;
    }
    // Ends the span now, with `args` added to it.
    void close(std::initializer_list<TraceArg> args = {})
    {
        if (m_begun && m_session == TraceRecorder::session())
            TraceRecorder::end(args);
        m_begun = false;
    }

private:
    unsigned m_session;
    bool m_begun;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_BOUNDARY_TRACERECORDER_H
