#include "integration/intern/HostRequestQueue.h"

#include "integration/PageInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/TraceRecorder.h"
#include "ovsdkbase.h"
#include "ovsdkcommon/AppLock.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "util/FirstException.h"
#include "util/ScopedExitAction.h"

#include <algorithm>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

HostRequestQueue::HostRequestQueue(PageState& pages) : m_pages(&pages) {}

HostRequestQueue::~HostRequestQueue() = default;

void HostRequestQueue::setCurrentPage(PageInterface& page) { request(Request::Kind_SetCurrent, page); }

void HostRequestQueue::deletePage(PageInterface& page) { request(Request::Kind_Delete, page); }

void HostRequestQueue::currentPageChanged(const PageInterface* page)
{
    for (Activation* activation : m_activations)
        if (activation->page != page)
            activation->diverted = true;
}

void HostRequestQueue::pageDestroyed(const PageInterface& page)
{
    const bool cancelSwitches =
        std::find(m_askedDeletions.begin(), m_askedDeletions.end(), &page) == m_askedDeletions.end();
    dropWaiting([&page, cancelSwitches](const Request& waiting) {
        return waiting.page == &page || (cancelSwitches && waiting.kind == Request::Kind_SetCurrent);
    });
}

void HostRequestQueue::pageGone(const PageInterface& page)
{
    m_askedDeletions.erase(std::remove(m_askedDeletions.begin(), m_askedDeletions.end(), &page),
                           m_askedDeletions.end());
}

const char* HostRequestQueue::nameOf(const Request& request)
{
    return request.kind == Request::Kind_Delete ? "deletePage" : "setCurrentPage";
}

void HostRequestQueue::request(Request::Kind_e kind, PageInterface& page)
{
    const Request request{kind, &page, false, 0};
    if (m_waiting.empty() && canCarryOut(request))
    {
        carryOut(request);
        return;
    }
    if (kind == Request::Kind_SetCurrent)
        dropWaiting([](const Request& waiting) { return waiting.kind == Request::Kind_SetCurrent; });
    wait(request, false);
}

void HostRequestQueue::wait(Request request, bool first)
{
    if (TraceRecorder::isRecording())
    {
        request.traceFlow = TraceRecorder::newFlowId();
        TraceRecorder::flowStart(nameOf(request), request.traceFlow);
    }
    if (first)
        m_waiting.push_front(request);
    else
        m_waiting.push_back(request);
    traceWaitingCount();
    schedule();
}

template <typename Predicate>
void HostRequestQueue::dropWaiting(Predicate drop)
{
    if (TraceRecorder::isRecording())
        for (const Request& waiting : m_waiting)
            if (waiting.traceFlow != 0 && drop(waiting))
            {
                const TraceSpan span("request", "request dropped");
                TraceRecorder::flowEnd(nameOf(waiting), waiting.traceFlow);
            }
    const auto kept = std::remove_if(m_waiting.begin(), m_waiting.end(), drop);
    if (kept == m_waiting.end())
        return;
    m_waiting.erase(kept, m_waiting.end());
    traceWaitingCount();
}

bool HostRequestQueue::canCarryOut(const Request& request)
{
    if (m_pages->isEngineBusy())
        return false;
    return request.kind != Request::Kind_Delete ||
           (!m_pages->isPageOperationUnderWay() && !m_pages->isBeingAnnounced(*request.page));
}

bool HostRequestQueue::carryOut(const Request& request)
{
    if (request.kind == Request::Kind_Delete)
        return carryOutDeletion(request);
    activateInEngine(*request.page);
    return true;
}

bool HostRequestQueue::carryOutDeletion(const Request& request)
{
    PageInterface& page = *request.page;
    Activation activation{&page, false};
    // A listener of the switch may throw: the deletion goes on all the same.
    util::FirstException failure;
    {
        m_activations.push_back(&activation);
        const ScopedExitAction done([this] { m_activations.pop_back(); });
        failure.run([&page] { activateInEngine(page); });
    }
    // The engine deletes its current page: not when another page became
    // current on the way, nor when the engine has not reported this one and
    // the page it reported last is being announced.
    PageInterface* const current = m_pages->reportedCurrentPage();
    const bool overtaken = activation.diverted ||
                           (current != &page && current != nullptr && m_pages->isBeingAnnounced(*current));
    const bool waits = overtaken && !request.retried;
    if (!overtaken)
    {
        // Known before the engine reports the destruction, from inside or later.
        m_askedDeletions.push_back(&page);
        deleteEngineCurrentPage();
    }
    else if (waits)
    {
        wait(Request{Request::Kind_Delete, &page, true, 0}, true);
    }
    else
    {
        DiagnosticReporter::report(
            DiagnosticReporter::Kind_RequestDropped,
            "A deletePage() that waited was dropped: each time its page was made current, another page became "
            "current on the way (a listener created or switched pages) or the engine did not report the switch "
            "while a page being announced was current, so the engine's current page was not the one to delete. "
            "Call deletePage() again once the listeners are done.");
    }
    failure.rethrow();
    return !waits;
}

void HostRequestQueue::carryOutWaiting()
{
    const ScopedExitAction rest([this] {
        if (!m_waiting.empty())
            schedule();
    });
    while (!m_waiting.empty() && canCarryOut(m_waiting.front()))
    {
        const Request next = m_waiting.front();
        m_waiting.pop_front();
        TraceSpan span;
        if (span.recording())
        {
            span.begin("request", "carry out",
                       {traceText("request", nameOf(next)), traceNumber("page", next.page->getUniqueID())});
            if (next.traceFlow != 0)
                TraceRecorder::flowEnd(nameOf(next), next.traceFlow);
            traceWaitingCount();
        }
        if (!carryOut(next))
            return;
    }
}

void HostRequestQueue::schedule()
{
    if (m_pendingRun == nullptr || !m_pendingRun->isPending())
        m_pendingRun.reset(new ui::common::OnIdleActionPerformerSingleShot([this] { carryOutWaiting(); }));
}

void HostRequestQueue::traceWaitingCount() const
{
    if (TraceRecorder::isRecording())
        TraceRecorder::counter("waiting requests", static_cast<long long>(m_waiting.size()));
}

void HostRequestQueue::activateInEngine(PageInterface& page)
{
    const UniqueID_t id = page.getUniqueID();
    {
        const TraceEngineCall call("OrvUtilPageGetUniqueID");
        if (OrvUtilPageGetUniqueID() == id)
            return;
    }
    const TraceAppLock traceLock(AppLock::ImplicitMacroRecording_Off);
    AppLock lock(AppLock::ImplicitMacroRecording_Off);
    const TraceEngineCall call("OrvUtilPageSetCurrentByUniqueID");
    OrvUtilPageSetCurrentByUniqueID(id);
}

void HostRequestQueue::deleteEngineCurrentPage()
{
    const TraceAppLock traceLock(AppLock::ImplicitMacroRecording_Off);
    AppLock lock(AppLock::ImplicitMacroRecording_Off);
    const TraceEngineCall call("OrvUtilPageDelete");
    OrvUtilPageDelete();
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
