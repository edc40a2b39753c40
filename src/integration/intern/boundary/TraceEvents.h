#ifndef ORVANE_INTEGRATION_INTERN_BOUNDARY_TRACEEVENTS_H
#define ORVANE_INTEGRATION_INTERN_BOUNDARY_TRACEEVENTS_H

#include "integration/KeyEventInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/intern/boundary/LibraryFrame.h"
#include "integration/intern/boundary/TraceRecorder.h"

#include <cstddef>

namespace orvane {
namespace sdk {
namespace integration {

class PageInterface;

namespace intern {

// The trace's events that are no engine call, callback or host call: host
// requests, passes, input, waiting requests, counters. Each does nothing
// while no trace records. The names and arguments are listed in Trace.h.

// A host request for the object's lifetime: a library frame, the thread
// check of a request (reported whether or not checked mode is on; none for
// a null `entryPoint`), and the
// "request" span named `name`, with the page's id when one is given, and
// the handle number of the drawing area (`area`) when one is given.
class RequestScope
{
public:
    RequestScope(const char* name, const char* entryPoint, PageInterface* page = nullptr,
                 const void* area = nullptr);
    RequestScope(const RequestScope&) = delete;
    RequestScope& operator=(const RequestScope&) = delete;

private:
    LibraryFrame m_frame;
    TraceSpan m_span;
};

// The host's move of a page to another drawing area, or to none: a
// "request" span "setDrawArea" with the page's "page" (id) and the "area"
// (handle number, 0 for none). No library frame: the page's own listeners
// may delete it while it moves.
class PageMoveScope
{
public:
    PageMoveScope(PageInterface& page, const void* area);

private:
    TraceSpan m_span;
};

// The host's report of application-wide input or of idle time to its
// monitor, or a signal of the monitor the library hears: a "request" span
// named after the report ("notifyOfIdle", "notifyOfKeyPressed",
// "wheelRotated", ...), with the event's "x", "y" and "buttonOrKey" for
// input. No library frame: the report is the host's own.
class HostReportScope
{
public:
    explicit HostReportScope(const char* name)
    {
        if (m_span.recording())
            m_span.begin("request", name);
    }
    // A mouse or key event: read only while a trace records (its getters are
    // the host's virtual calls).
    HostReportScope(const char* name, const MouseEventInterface& event)
    {
        if (m_span.recording())
            begin(name, event.x(), event.y(), event.button());
    }
    HostReportScope(const char* name, const KeyEventInterface& event)
    {
        if (m_span.recording())
            begin(name, -1, -1, event.key());
    }
    // A request with a flag (`key`).
    HostReportScope(const char* name, const char* key, bool flag)
    {
        if (m_span.recording())
            m_span.begin("request", name, {traceNumber(key, flag)});
    }
    // A report naming a host object (`key`: its handle number), and a flag
    // when `flagKey` is given.
    HostReportScope(const char* name, const char* key, const void* object, const char* flagKey = nullptr,
                    bool flag = false)
    {
        if (!m_span.recording())
            return;
        const TraceArg handle = traceNumber(key, TraceRecorder::handleID(reinterpret_cast<long long>(object)));
        if (flagKey != nullptr)
            m_span.begin("request", name, {handle, traceNumber(flagKey, flag)});
        else
            m_span.begin("request", name, {handle});
    }
    // A GUI event about to be processed: its receiver's handle number and
    // whether a release there may interrupt ("processingNewEvent").
    HostReportScope(const void* receiver, bool allowsInterrupt)
    {
        if (m_span.recording())
            m_span.begin("request", "processingNewEvent",
                         {traceNumber("receiver", TraceRecorder::handleID(reinterpret_cast<long long>(receiver))),
                          traceNumber("allowsInterrupt", allowsInterrupt)});
    }

private:
    void begin(const char* name, int x, int y, int buttonOrKey)
    {
        m_span.begin("request", name,
                     {traceNumber("x", x), traceNumber("y", y), traceNumber("buttonOrKey", buttonOrKey)});
    }

    TraceSpan m_span;
};

// A busy pass ("busy pass") or an idle pass ("idle pass"): a library frame.
class PassScope
{
public:
    explicit PassScope(const char* name) : m_session(TraceRecorder::isRecording() ? begin(name) : 0) {}
    ~PassScope()
    {
        if (m_session != 0)
            end(m_session);
    }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;

private:
    // The recording the span was begun in, 0 for none.
    static unsigned begin(const char* name);
    static void end(unsigned session);

    LibraryFrame m_frame;
    unsigned m_session;
};

// A state change handed to pages ("stateChange", its code).
class StateChangeScope
{
public:
    explicit StateChangeScope(int code);

private:
    TraceSpan m_span;
};

// A page's damage reported to the engine at idle time ("damage").
class DamageScope
{
public:
    DamageScope(long long pageID, bool full);

private:
    TraceSpan m_span;
};

// The "live pages" counter.
void traceLivePages(int count);

// An object a recording may name by its address is gone: an object made
// later at that address gets a number of its own.
inline void traceGone(const void* object) { TraceRecorder::forgetHandle(reinterpret_cast<long long>(object)); }

// The input of one drawing area's queue: each event queued while a trace
// records is a span of its kind and the start of an "input" flow, which ends
// where the event is dispatched or dropped. Events queued before the
// recording have no flow in it.
class InputTrace
{
public:
    // The queue of `drawArea`, numbered anew: its flows are told from those
    // of every other queue of the process, of any manager.
    explicit InputTrace(const void* drawArea);

    static bool isRecording() { return TraceRecorder::isRecording(); }
    // An event of `kind` (named by `kindName`) was queued, with the
    // keyboard's modifiers; whether it was recorded.
    bool queued(const char* (*kindName)(int), int kind, int x, int y, int buttonOrKey, bool shift, bool control,
                bool alt)
    {
        return isRecording() &&
               record(kindName(kind), x, y, buttonOrKey, (shift ? 1 : 0) | (control ? 2 : 0) | (alt ? 4 : 0));
    }
    // The flow of the front event of a queue of `queueSize` events, 0 for none.
    unsigned long long frontFlow(std::size_t queueSize) const;
    // The queue's last `count` events were dropped ("input.drop", its reason).
    void dropped(std::size_t count, const char* reason) const;
    // A move dropped as it arrived, while the engine is busy.
    void moveDropped(int x, int y) const;
    // The "queued input" counter: all queues' events.
    static void queuedCount(std::size_t totalQueued);

private:
    // `modifiers`: bits 1 Shift, 2 Control, 4 Alt.
    bool record(const char* kind, int x, int y, int buttonOrKey, int modifiers);

    long long m_area;
    const void* m_drawArea;
    // The events queued while a recording ran, and the first of them queued
    // while the recording `m_session` ran.
    long long m_queued;
    unsigned m_session;
    long long m_first;
};

// The dispatch of one queued event ("input.dispatch"), where its flow ends.
class DispatchScope
{
public:
    // The front event of `trace`'s queue of `queueSize` events; `kindName`
    // names its kind.
    DispatchScope(const InputTrace& trace, std::size_t queueSize, const char* (*kindName)(int), int kind, int x, int y,
                  int buttonOrKey)
        : m_session(TraceRecorder::isRecording() ? open(trace, queueSize, kindName(kind), x, y, buttonOrKey) : 0)
    {
    }
    ~DispatchScope() { close(false); }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
    void close(bool interrupted)
    {
        if (m_session != 0)
            end(m_session, interrupted);
        m_session = 0;
    }

private:
    // The recording the span was begun in, 0 for none.
    static unsigned open(const InputTrace& trace, std::size_t queueSize, const char* kind, int x, int y,
                         int buttonOrKey);
    static void end(unsigned session, bool interrupted);

    unsigned m_session;
};

// The trace of requests that wait: each is a flow from where it begins to
// wait to where it is carried out ("carry out") or dropped ("request
// dropped"); the "waiting requests" counter.
namespace requestTrace {
// The flow of a request that begins to wait, 0 while no trace records.
unsigned long long waits(const char* request);
void dropped(const char* request, unsigned long long flow);
void waitingCount(std::size_t count);

class CarryOutScope
{
public:
    CarryOutScope(const char* request, PageInterface& page, unsigned long long flow, std::size_t waiting);

private:
    TraceSpan m_span;
};
} // namespace requestTrace

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_BOUNDARY_TRACEEVENTS_H
