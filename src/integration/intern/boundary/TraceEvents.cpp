#include "integration/intern/boundary/TraceEvents.h"

#include "integration/PageInterface.h"
#include "integration/intern/DiagnosticReporter.h"

#include <algorithm>
#include <atomic>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

RequestScope::RequestScope(const char* name, const char* entryPoint, PageInterface* page, const void* area)
{
    if (entryPoint != nullptr)
        DiagnosticReporter::checkThread(entryPoint);
    if (!m_span.recording())
        return;
    if (area != nullptr)
        m_span.begin("request", name,
                     {traceNumber("area", TraceRecorder::handleID(reinterpret_cast<long long>(area)))});
    else if (page != nullptr)
        m_span.begin("request", name, {traceNumber("page", page->getUniqueID())});
    else
        m_span.begin("request", name);
}

PageMoveScope::PageMoveScope(PageInterface& page, const void* area)
{
    if (m_span.recording())
        m_span.begin("request", "setDrawArea",
                     {traceNumber("page", page.getUniqueID()),
                      traceNumber("area", TraceRecorder::handleID(reinterpret_cast<long long>(area)))});
}

unsigned PassScope::begin(const char* name)
{
    const unsigned session = TraceRecorder::session();
    if (session != 0)
        TraceRecorder::begin("pass", name);
    return session;
}

void PassScope::end(unsigned session)
{
    if (session == TraceRecorder::session())
        TraceRecorder::end();
}

StateChangeScope::StateChangeScope(int code)
{
    if (m_span.recording())
        m_span.begin("callback", "stateChange", {traceNumber("change", code)});
}

DamageScope::DamageScope(long long pageID, bool full)
{
    if (m_span.recording())
        m_span.begin("idle", "damage", {traceNumber("page", pageID), traceNumber("full", full)});
}

void traceLivePages(int count)
{
    if (TraceRecorder::isRecording())
        TraceRecorder::counter("live pages", count);
}

namespace {

std::atomic<long long> s_queuesMade{0};

// The flow of the `index`th event an area's queue counted.
unsigned long long inputFlow(long long area, long long index)
{
    return (static_cast<unsigned long long>(area) << 32) + static_cast<unsigned long long>(index) + 1;
}

} // namespace

InputTrace::InputTrace(const void* drawArea)
    : m_area(s_queuesMade.fetch_add(1, std::memory_order_relaxed) + 1), m_drawArea(drawArea), m_queued(0), m_session(0), m_first(0)
{
}

bool InputTrace::record(const char* kind, int x, int y, int buttonOrKey, int modifiers)
{
    const unsigned session = TraceRecorder::session();
    if (session == 0)
        return false;
    if (m_session != session)
    {
        m_session = session;
        m_first = m_queued;
    }
    ++m_queued;
    const TraceSpan span("input", kind,
                         {traceNumber("area", TraceRecorder::handleID(reinterpret_cast<long long>(m_drawArea))),
                          traceNumber("x", x), traceNumber("y", y), traceNumber("buttonOrKey", buttonOrKey),
                          traceNumber("modifiers", modifiers)});
    TraceRecorder::flowStart("input", inputFlow(m_area, m_queued - 1));
    return true;
}

unsigned long long InputTrace::frontFlow(std::size_t queueSize) const
{
    if (queueSize == 0 || m_session != TraceRecorder::session())
        return 0;
    const long long index = m_queued - static_cast<long long>(queueSize);
    return index >= m_first ? inputFlow(m_area, index) : 0;
}

void InputTrace::dropped(std::size_t count, const char* reason) const
{
    if (count == 0 || !TraceRecorder::isRecording())
        return;
    const TraceSpan span("input", "input.drop",
                         {traceText("reason", reason), traceNumber("events", static_cast<long long>(count))});
    if (m_session != TraceRecorder::session())
        return;
    const long long first = m_queued - static_cast<long long>(count);
    for (long long index = std::max(first, m_first); index < m_queued; ++index)
        TraceRecorder::flowEnd("input", inputFlow(m_area, index));
}

void InputTrace::moveDropped(int x, int y) const
{
    if (!TraceRecorder::isRecording())
        return;
    const TraceSpan span("input", "mouseMoved",
                         {traceNumber("area", TraceRecorder::handleID(reinterpret_cast<long long>(m_drawArea))),
                          traceNumber("x", x), traceNumber("y", y)});
    const unsigned long long flow = TraceRecorder::newFlowId();
    TraceRecorder::flowStart("input", flow);
    const TraceSpan drop("input", "input.drop",
                         {traceText("reason", "engine busy: moves are not collected"), traceNumber("events", 1)});
    TraceRecorder::flowEnd("input", flow);
}

void InputTrace::queuedCount(std::size_t totalQueued)
{
    if (TraceRecorder::isRecording())
        TraceRecorder::counter("queued input", static_cast<long long>(totalQueued));
}

unsigned DispatchScope::open(const InputTrace& trace, std::size_t queueSize, const char* kind, int x, int y,
                             int buttonOrKey)
{
    const unsigned session = TraceRecorder::session();
    if (session == 0)
        return 0;
    const unsigned long long flow = trace.frontFlow(queueSize);
    TraceRecorder::begin("input", "input.dispatch",
                         {traceText("kind", kind), traceNumber("x", x), traceNumber("y", y),
                          traceNumber("buttonOrKey", buttonOrKey)});
    if (flow != 0)
        TraceRecorder::flowEnd("input", flow);
    return session;
}

void DispatchScope::end(unsigned session, bool interrupted)
{
    if (session == TraceRecorder::session())
        TraceRecorder::end({traceNumber("interrupted", interrupted)});
}

namespace requestTrace {

unsigned long long waits(const char* request)
{
    if (!TraceRecorder::isRecording())
        return 0;
    const unsigned long long flow = TraceRecorder::newFlowId();
    TraceRecorder::flowStart(request, flow);
    return flow;
}

void dropped(const char* request, unsigned long long flow)
{
    if (flow == 0 || !TraceRecorder::isRecording())
        return;
    const TraceSpan span("request", "request dropped");
    TraceRecorder::flowEnd(request, flow);
}

void waitingCount(std::size_t count)
{
    if (TraceRecorder::isRecording())
        TraceRecorder::counter("waiting requests", static_cast<long long>(count));
}

CarryOutScope::CarryOutScope(const char* request, PageInterface& page, unsigned long long flow, std::size_t waiting)
{
    if (!m_span.recording())
        return;
    m_span.begin("request", "carry out", {traceText("request", request), traceNumber("page", page.getUniqueID())});
    if (flow != 0)
        TraceRecorder::flowEnd(request, flow);
    waitingCount(waiting);
}

} // namespace requestTrace

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
