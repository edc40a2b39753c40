#include "integration/intern/HostRequestQueue.h"

#include "integration/PageInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/boundary/Engine.h"
#include "integration/intern/boundary/TraceEvents.h"
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
    // A deletion's own switch is no change of the pages for it.
    if (m_activations.empty())
        pagesChanged();
}

void HostRequestQueue::pageDestroyed(const PageInterface& page)
{
    const bool cancelSwitches =
        std::find(m_askedDeletions.begin(), m_askedDeletions.end(), &page) == m_askedDeletions.end();
    dropWaiting([&page, cancelSwitches](const Request& waiting) {
        return waiting.page == &page || (cancelSwitches && waiting.kind == Request::Kind_SetCurrent);
    });
    dropAside(page);
    pagesChanged();
}

void HostRequestQueue::dropAside(const PageInterface& page)
{
    for (const Request& aside : m_setAside)
        if (aside.page == &page)
            requestTrace::dropped(nameOf(aside), aside.traceFlow);
    m_setAside.erase(std::remove_if(m_setAside.begin(), m_setAside.end(),
                                    [&page](const Request& aside) { return aside.page == &page; }),
                     m_setAside.end());
}

void HostRequestQueue::setAside(const Request& request)
{
    Request aside = request;
    aside.traceFlow = requestTrace::waits(nameOf(aside));
    m_setAside.push_back(aside);
}

void HostRequestQueue::pagesChanged()
{
    if (m_setAside.empty())
        return;
    m_waiting.insert(m_waiting.end(), m_setAside.begin(), m_setAside.end());
    m_setAside.clear();
    traceWaitingCount();
    schedule();
}

void HostRequestQueue::pageGone(const PageInterface& page)
{
    // Nothing made after its destruction was announced outlives it.
    dropWaiting([&page](const Request& waiting) { return waiting.page == &page; });
    dropAside(page);
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
    // Only the latest switch counts; one the engine can take now does not
    // wait behind deletions.
    if (kind == Request::Kind_SetCurrent)
        dropWaiting([](const Request& waiting) { return waiting.kind == Request::Kind_SetCurrent; });
    if ((kind == Request::Kind_SetCurrent || m_waiting.empty()) && canCarryOut(request))
    {
        carryOut(request);
        return;
    }
    wait(request, false);
}

void HostRequestQueue::wait(Request request, bool first)
{
    request.traceFlow = requestTrace::waits(nameOf(request));
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
    for (const Request& waiting : m_waiting)
        if (waiting.traceFlow != 0 && drop(waiting))
            requestTrace::dropped(nameOf(waiting), waiting.traceFlow);
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
    const engine::ShutdownWatch shutdown;
    {
        m_activations.push_back(&activation);
        const ScopedExitAction done([this] { m_activations.pop_back(); });
        failure.run([&page] { activateInEngine(page); });
    }
    // A listener of the switch stopped the manager: the engine took its
    // pages with it and takes no more calls.
    if (shutdown.shutDown())
    {
        failure.rethrow();
        return true;
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
        setAside(request);
        DiagnosticReporter::report(
            DiagnosticReporter::Kind_RequestWaits,
            "A deletePage() waits: twice, when its page was made current, another page became current on the "
            "way (a listener created or switched pages) or the engine did not report the switch while a page "
            "being announced was current, so the engine's current page was not the one to delete. It is tried "
            "again at the next idle time after the pages change, until its page is gone.");
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
        const requestTrace::CarryOutScope scope(nameOf(next), *next.page, next.traceFlow, m_waiting.size());
        if (!carryOut(next))
            return;
    }
}

void HostRequestQueue::schedule()
{
    if (m_pendingRun == nullptr || !m_pendingRun->isPending())
        m_pendingRun.reset(new ui::common::OnIdleActionPerformerSingleShot([this] { carryOutWaiting(); }));
}

void HostRequestQueue::traceWaitingCount() const { requestTrace::waitingCount(m_waiting.size()); }

void HostRequestQueue::activateInEngine(PageInterface& page)
{
    const UniqueID_t id = page.getUniqueID();
    if (engine::OrvUtilPageGetUniqueID() == id)
        return;
    const engine::AppLock lock(AppLock::ImplicitMacroRecording_Off);
    engine::OrvUtilPageSetCurrentByUniqueID(id);
}

void HostRequestQueue::deleteEngineCurrentPage()
{
    const engine::AppLock lock(AppLock::ImplicitMacroRecording_Off);
    engine::OrvUtilPageDelete();
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
