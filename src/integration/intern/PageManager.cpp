#include "integration/intern/PageManager.h"

#include "integration/EventManagerInterface.h"
#include "integration/GLDrawAreaFactoryInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "integration/intern/CurrentPageSetterOnFocusGain.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/Page.h"
#include "integration/intern/PageCollection.h"
#include "integration/intern/PageStateChanges.h"
#include "integration/intern/Precondition.h"
#include "integration/intern/RenderDestinationManager.h"
#include "integration/intern/TraceRecorder.h"
#include "ovexception/OutOfMemoryException.h"
#include "ovsdkcommon/AppLock.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "ovtoolbox/StringList.h"
#include "util/FirstException.h"
#include "util/ScopedExitAction.h"

#include <algorithm>
#include <cstdint>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

template <typename T>
T* fromHandle(ArbParam_t handle)
{
    return reinterpret_cast<T*>(static_cast<std::intptr_t>(handle));
}

// Puts `page` on a stack for the lifetime of the object.
class StackedPage
{
public:
    StackedPage(std::vector<PageInterface*>& stack, PageInterface& page) : m_stack(stack)
    {
        m_stack.push_back(&page);
    }
    ~StackedPage() { m_stack.pop_back(); }
    StackedPage(const StackedPage&) = delete;
    StackedPage& operator=(const StackedPage&) = delete;

private:
    std::vector<PageInterface*>& m_stack;
};

bool contains(const std::vector<PageInterface*>& pages, const PageInterface& page)
{
    return std::find(pages.begin(), pages.end(), &page) != pages.end();
}

template <typename T>
void eraseValue(std::vector<T>& values, const T& value)
{
    values.erase(std::remove(values.begin(), values.end(), value), values.end());
}

// Erases the index entry under `key` when it names `page`.
template <typename Index, typename Key>
void eraseEntryOf(Index& index, const Key& key, const PageInterface& page)
{
    const auto entry = index.find(key);
    if (entry != index.end() && entry->second == &page)
        index.erase(entry);
}

long long traceID(PageInterface& page) { return page.getUniqueID(); }

} // namespace

PageManager::PageManager(ManagerInterface& manager)
    : m_manager(&manager),
      m_glDrawAreaFactory(nullptr),
      m_pageBeingCreated(nullptr),
      m_currentPage(nullptr),
      m_pageCount(0)
{
    m_pageCollection.reset(new PageCollection(*this));
    m_pageStateChanges.reset(new PageStateChanges());
    m_renderDestinationManager.reset(new RenderDestinationManager(*this));
    m_currentPageSetterOnFocusGain.reset(new CurrentPageSetterOnFocusGain(*this));
}

PageManager::~PageManager()
{
    m_renderDestinationManager.reset();
    m_pageCollection.reset();
    m_pageStateChanges.reset();
    m_currentPageSetterOnFocusGain.reset();
    m_pendingRequestRun.reset();
}

// --- listeners and configuration -------------------------------------------

void PageManager::addListener(PageManagerListenerInterface* listener) { m_listeners.add(listener); }

void PageManager::removeListener(PageManagerListenerInterface* listener) { m_listeners.remove(listener); }

void PageManager::setGLDrawAreaFactory(GLDrawAreaFactoryInterface& factory) { m_glDrawAreaFactory = &factory; }

void PageManager::pushPageRenderDecider(boost::shared_ptr<PageRenderDeciderInterface> decider)
{
    if (refuseNull(decider, "((decider) != 0)", "Invalid page render decider", "PageManager::pushPageRenderDecider"))
        return;
    m_renderDestinationManager->pushPageRenderDecider(decider);
}

void PageManager::popPageRenderDecider() { m_renderDestinationManager->popPageRenderDecider(); }

void PageManager::registerCallbacks()
{
    const ArbParam_t self = static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(this));
    OrvEngPageCreateRegisterCallback(&PageManager::onEnginePageCreateCallback, self);
    OrvEngPageDestroyRegisterCallback(&PageManager::onEnginePageDestroyCallback, self);
    OrvEngPageNewCurrentRegisterCallback(&PageManager::onEnginePageNewCurrentCallback, self);
    m_renderDestinationManager->registerCallbacks();
}

// --- pages ------------------------------------------------------------------

int PageManager::pageCount() { return m_pageCount; }

PageInterface& PageManager::addPage(GLDrawAreaInterface* drawArea)
{
    DiagnosticReporter::checkThread("PageManager::addPage()");
    const TraceSpan span("request", "addPage");
    PageInterface* page = createPage(drawArea, nullptr);
    if (page == nullptr)
        throw orvane::OutOfMemoryException("Failed to allocate memory for the new page.");
    return *page;
}

void PageManager::deletePage(PageInterface& page)
{
    DiagnosticReporter::checkThread("PageManager::deletePage()");
    TraceSpan span;
    if (span.recording())
        span.begin("request", "deletePage", {traceNumber("page", traceID(page))});
    requireManaged(page);
    request(Request::Kind_Delete, page);
}

PageInterface* PageManager::getCurrentPage()
{
    // The engine's current page, found by its unique id; a page that has not
    // learnt its id yet is found through the engine's last report.
    UniqueID_t id = 0;
    {
        const TraceEngineCall call("OrvUtilPageGetUniqueID");
        id = OrvUtilPageGetUniqueID();
    }
    if (m_currentPage != nullptr && m_currentPage->getUniqueID() == id)
        return m_currentPage;
    const auto found = m_pagesByID.find(id);
    return found != m_pagesByID.end() ? found->second : m_currentPage;
}

void PageManager::setCurrentPage(PageInterface& page)
{
    DiagnosticReporter::checkThread("PageManager::setCurrentPage()");
    TraceSpan span;
    if (span.recording())
        span.begin("request", "setCurrentPage", {traceNumber("page", traceID(page))});
    // A page the engine is destroying cannot become current again.
    if (isBeingDestroyed(page))
        return;
    // While a page is created the engine makes it current.
    if (m_pageBeingCreated != nullptr)
    {
        DiagnosticReporter::report(DiagnosticReporter::Kind_RequestIgnored,
                                   "setCurrentPage() was called while a page is being created (from a listener or "
                                   "slot of its creation): it is ignored, as the engine makes the new page current. "
                                   "Call it from the current-page announcement that follows, or later.");
        return;
    }
    requireManaged(page);
    request(Request::Kind_SetCurrent, page);
}

PageIterator PageManager::getPageIterator() { return m_pageCollection->getPageIterator(); }

PageIterator PageManager::getReversePageIterator() { return m_pageCollection->getReversePageIterator(); }

// --- creation ---------------------------------------------------------------

PageInterface* PageManager::createPage(GLDrawAreaInterface* drawArea, StringList_pa arguments)
{
    if (drawArea != nullptr)
        drawArea->setPageManager(*this);
    std::unique_ptr<Page> page(new Page(*this, drawArea));
    PageInterface* const oldCurrentPage = m_currentPage;
    // Exceptions of host code pass on once the page is created and announced.
    util::FirstException failure;
    failure.add(page->takeAttachFailure());
    {
        // The engine makes the new page current from inside its creation;
        // while the page is being created that report stays silent, switches
        // are ignored and deletions wait.
        PageInterface* const outerCreation = m_pageBeingCreated;
        m_pageBeingCreated = page.get();
        const ScopedExitAction endCreation([this, outerCreation] { m_pageBeingCreated = outerCreation; });
        m_currentPage = page.get();
        divertActivations(nullptr);
        if (!createInEngine(*page, arguments))
        {
            // Never announced and in no collection: nothing else knows it.
            m_currentPage = oldCurrentPage;
            return nullptr;
        }
        ++m_pageCount;
        traceCounts();
        failure.add(announce(&PageManagerListenerInterface::pageCreated, signalPageCreated, *page));
    }
    PageInterface* const created = page.release();
    // The page current before may have gone meanwhile (the engine deletes
    // pages in its busy loop, which listeners' redraws run).
    PageInterface* previous = oldCurrentPage != nullptr && m_pageCollection->contains(*oldCurrentPage) ? oldCurrentPage
                                                                                                      : m_currentPage;
    {
        // addPage returns a live page: its deletion waits until then.
        const StackedPage returned(m_pagesAnnounced, *created);
        failure.add(announceCurrentPageChanged(previous != nullptr ? *previous : *created));
    }
    failure.rethrow();
    return created;
}

bool PageManager::createInEngine(PageInterface& page, StringList_pa arguments)
{
    const TraceAppLock traceLock(AppLock::ImplicitMacroRecording_Off);
    AppLock lock(AppLock::ImplicitMacroRecording_Off);
    const TraceEngineCall call("OrvEngPageCreateNew");
    return OrvEngPageCreateNew(page, arguments) == TRUE;
}

// --- engine callbacks -------------------------------------------------------

Boolean_t PageManager::onEnginePageCreateCallback(StringList_pa arguments, ArbParam_t clientData)
{
    DiagnosticReporter::checkThreadIfChecked("The engine's page-create callback");
    const TraceSpan span("callback", "pageCreate");
    // Exceptions of host code (the factory, page-created listeners and
    // slots) pass through to the engine; only a page the engine refused
    // itself is answered FALSE.
    return fromHandle<PageManager>(clientData)->onEnginePageCreate(arguments) ? TRUE : FALSE;
}

void PageManager::onEnginePageDestroyCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    PageManager* manager = fromHandle<PageManager>(clientData);
    TraceSpan span;
    if (PageInterface* page = manager->checkedPage(pageHandle, "page-destroy"))
    {
        if (span.recording())
            span.begin("callback", "pageDestroy", {traceNumber("page", traceID(*page))});
        manager->onEnginePageDestroy(*page);
    }
}

void PageManager::onEnginePageNewCurrentCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    PageManager* manager = fromHandle<PageManager>(clientData);
    TraceSpan span;
    if (PageInterface* page = manager->checkedPage(pageHandle, "new-current-page"))
    {
        if (span.recording())
            span.begin("callback", "pageNewCurrent", {traceNumber("page", traceID(*page))});
        manager->onEnginePageNewCurrent(*page);
    }
}

PageInterface* PageManager::checkedPage(ArbParam_t pageHandle, const char* callback)
{
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    if (!DiagnosticReporter::isCheckedMode())
        return page;
    const std::string name = std::string("The engine's ") + callback + " callback";
    DiagnosticReporter::checkThread(name.c_str());
    if (page == nullptr || isLivePage(page))
        return page;
    DiagnosticReporter::report(DiagnosticReporter::Kind_StalePageHandle,
                               name + " named a page handle that is no live page; the callback ignored it.");
    return nullptr;
}

bool PageManager::onEnginePageCreate(StringList_pa arguments)
{
    GLDrawAreaInterface* drawArea = nullptr;
    if (m_glDrawAreaFactory != nullptr)
    {
        orvane::toolbox::StringList list(arguments);
        const TraceSpan call("host", "createGLDrawArea");
        drawArea = m_glDrawAreaFactory->createGLDrawArea(list);
    }
    return createPage(drawArea, arguments) != nullptr;
}

void PageManager::onEnginePageDestroy(PageInterface& page)
{
    // (An engine that reports again the destruction under way.)
    if (isBeingDestroyed(page))
        return;
    // A drawing area destroyed during the announcement must not ask to
    // delete the page again.
    page.setDeleteWithDrawArea(false);
    std::exception_ptr failure;
    {
        // Alive, for the engine's callbacks, until it is deleted below (the
        // announcement passes on no exception).
        const StackedPage destroyed(m_pagesBeingDestroyed, page);
        failure = announceDestruction(page);
    }
    delete &page;
    traceCounts();
    if (failure)
        std::rethrow_exception(failure);
}

std::exception_ptr PageManager::announceDestruction(PageInterface& page)
{
    --m_pageCount;
    // The engine reports the page that follows; until then none is current.
    if (m_pageCount == 0 || &page == m_currentPage)
        m_currentPage = nullptr;
    const std::exception_ptr failure =
        announce(&PageManagerListenerInterface::pageDestroyed, signalPageDestroyed, page);
    // Requests for the page go with it (also those its announcement made).
    // A page the engine destroys by itself also cancels the waiting
    // switches: the engine has chosen the page that follows.
    const bool cancelSwitches = !contains(m_hostDeletions, page);
    dropWaitingRequests([&page, cancelSwitches](const Request& waiting) {
        return waiting.page == &page || (cancelSwitches && waiting.kind == Request::Kind_SetCurrent);
    });
    return failure;
}

void PageManager::onEnginePageNewCurrent(PageInterface& page)
{
    // A page the engine is destroying cannot become current again.
    if (isBeingDestroyed(page))
        return;
    PageInterface* const oldCurrentPage = m_currentPage;
    m_currentPage = &page;
    divertActivations(&page);
    if (m_pageBeingCreated != nullptr)
        return;
    // The announcement names the page current before; it is about this one
    // too (the host that made it current may still be using it).
    const StackedPage announced(m_pagesAnnounced, page);
    if (const std::exception_ptr failure = announceCurrentPageChanged(oldCurrentPage != nullptr ? *oldCurrentPage : page))
        std::rethrow_exception(failure);
}

// --- index --------------------------------------------------------------------

PageInterface* PageManager::pageShowing(GLDrawAreaInterface* drawArea)
{
    const auto found = m_pagesByDrawArea.find(drawArea);
    return found != m_pagesByDrawArea.end() ? found->second : nullptr;
}

bool PageManager::isLivePage(const PageInterface* page) const
{
    return page != nullptr &&
           (page == m_pageBeingCreated || isBeingDestroyed(*page) || m_pageCollection->contains(*page));
}

bool PageManager::isAnnouncing() const
{
    return m_pageBeingCreated != nullptr || !m_pagesBeingDestroyed.empty() || !m_pagesAnnounced.empty();
}

bool PageManager::isBeingDestroyed(const PageInterface& page) const
{
    return contains(m_pagesBeingDestroyed, page);
}

bool PageManager::isCurrentPage(const PageInterface& page) const { return &page == m_currentPage; }

void PageManager::pageBorn(Page& page) { m_pageStateChanges->add(page); }

void PageManager::uniqueIDLearnt(Page& page)
{
    m_pagesByID[page.getUniqueID()] = &page;
    m_pageStateChanges->uniqueIDLearnt(page);
}

void PageManager::drawAreaChanged(Page& page, GLDrawAreaInterface* oldDrawArea)
{
    // Indexed by what the page shows now, whatever the moves in between.
    GLDrawAreaInterface*& indexed = m_drawAreaOfPage[&page];
    eraseEntryOf(m_pagesByDrawArea, indexed, page);
    indexed = page.getDrawArea();
    if (indexed != nullptr)
        m_pagesByDrawArea[indexed] = &page;
    // Before any listener hears of it, whatever they do.
    m_renderDestinationManager->pageChanged(page, oldDrawArea, false);
}

void PageManager::pageGone(Page& page)
{
    const auto indexed = m_drawAreaOfPage.find(&page);
    if (indexed != m_drawAreaOfPage.end())
    {
        eraseEntryOf(m_pagesByDrawArea, indexed->second, page);
        m_drawAreaOfPage.erase(indexed);
    }
    eraseEntryOf(m_pagesByID, page.getUniqueID(), page);
    m_pageStateChanges->remove(page);
    m_renderDestinationManager->pageChanged(page, page.getDrawArea(), true);
    eraseValue<PageInterface*>(m_hostDeletions, &page);
}

// --- host requests ----------------------------------------------------------

void PageManager::requireManaged(PageInterface& page)
{
    if (&page != m_pageBeingCreated && !m_pageCollection->contains(page))
        throw orvane::ExceptionBase(
            "The page passed to setCurrentPage() does not match any of the managed pages; see addPage().", false);
}

bool PageManager::isEngineBusy()
{
    try
    {
        return m_manager->getEventManager().isBusy();
    }
    catch (const orvane::ExceptionBase&)
    {
        // No event manager outside init()..stop(): no engine operation runs.
        return false;
    }
}

void PageManager::request(Request::Kind_e kind, PageInterface& page)
{
    Request request{kind, &page, false, 0};
    if (m_waitingRequests.empty() && canCarryOut(request))
    {
        carryOut(request);
        return;
    }
    if (kind == Request::Kind_SetCurrent)
        dropWaitingRequests([](const Request& waiting) { return waiting.kind == Request::Kind_SetCurrent; });
    if (TraceRecorder::isRecording())
    {
        request.traceFlow = TraceRecorder::newFlowId();
        TraceRecorder::flowStart(requestName(request), request.traceFlow);
    }
    m_waitingRequests.push_back(request);
    traceCounts();
    scheduleWaitingRequests();
}

template <typename Predicate>
void PageManager::dropWaitingRequests(Predicate drop)
{
    if (TraceRecorder::isRecording())
        for (const Request& waiting : m_waitingRequests)
            if (waiting.traceFlow != 0 && drop(waiting))
            {
                const TraceSpan span("request", "request dropped");
                TraceRecorder::flowEnd(requestName(waiting), waiting.traceFlow);
            }
    m_waitingRequests.erase(std::remove_if(m_waitingRequests.begin(), m_waitingRequests.end(), drop),
                            m_waitingRequests.end());
}

bool PageManager::canCarryOut(const Request& request)
{
    if (isEngineBusy())
        return false;
    // A page must not die under its own announcement. While a page is being
    // created or destroyed, the engine's current page may be that one.
    return request.kind != Request::Kind_Delete ||
           (m_pageBeingCreated == nullptr && m_pagesBeingDestroyed.empty() && !isBeingAnnounced(*request.page));
}

bool PageManager::isBeingAnnounced(const PageInterface& page) const
{
    return contains(m_pagesAnnounced, page);
}

bool PageManager::carryOut(const Request& request)
{
    if (request.kind == Request::Kind_Delete)
        return carryOutDeletion(request);
    activatePageInEngine(*request.page);
    return true;
}

bool PageManager::carryOutDeletion(const Request& request)
{
    PageInterface& page = *request.page;
    Activation activation{&page, false};
    // A listener of the switch may throw: the deletion goes on all the same.
    util::FirstException failure;
    {
        m_activations.push_back(&activation);
        const ScopedExitAction done([this] { m_activations.pop_back(); });
        failure.run([this, &page] { activatePageInEngine(page); });
    }
    // The engine deletes its current page: not when another page became
    // current on the way, nor when the engine has not reported this one and
    // the page it reported last is being announced.
    const bool overtaken = activation.diverted || (m_currentPage != &page && m_currentPage != nullptr &&
                                                   isBeingAnnounced(*m_currentPage));
    const bool waits = overtaken && !request.retried;
    if (!overtaken)
    {
        // Known before the engine reports the destruction, from inside or later.
        m_hostDeletions.push_back(&page);
        deleteEngineCurrentPage();
    }
    else if (waits)
    {
        // Another page became current on the way (a page created from a
        // listener): deleting the current page would delete that one. The
        // deletion waits, first in line.
        Request again{Request::Kind_Delete, &page, true, 0};
        if (TraceRecorder::isRecording())
        {
            again.traceFlow = TraceRecorder::newFlowId();
            TraceRecorder::flowStart(requestName(again), again.traceFlow);
        }
        m_waitingRequests.push_front(again);
        scheduleWaitingRequests();
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

void PageManager::carryOutWaitingRequests()
{
    // What is left (the engine is busy again, or a listener threw) waits for
    // the next idle time.
    const ScopedExitAction rest([this] {
        if (!m_waitingRequests.empty())
            scheduleWaitingRequests();
    });
    while (!m_waitingRequests.empty() && canCarryOut(m_waitingRequests.front()))
    {
        const Request next = m_waitingRequests.front();
        m_waitingRequests.pop_front();
        TraceSpan span;
        if (span.recording())
        {
            span.begin("request", "carry out", {traceText("request", requestName(next)),
                                                traceNumber("page", traceID(*next.page))});
            if (next.traceFlow != 0)
                TraceRecorder::flowEnd(requestName(next), next.traceFlow);
            traceCounts();
        }
        if (!carryOut(next))
            return;
    }
}

void PageManager::traceCounts()
{
    if (!TraceRecorder::isRecording())
        return;
    TraceRecorder::counter("live pages", m_pageCount);
    TraceRecorder::counter("waiting requests", static_cast<long long>(m_waitingRequests.size()));
}

const char* PageManager::requestName(const Request& request)
{
    return request.kind == Request::Kind_Delete ? "deletePage" : "setCurrentPage";
}

void PageManager::scheduleWaitingRequests()
{
    if (m_pendingRequestRun == nullptr || !m_pendingRequestRun->isPending())
        m_pendingRequestRun.reset(new ui::common::OnIdleActionPerformerSingleShot([this] { carryOutWaitingRequests(); }));
}

void PageManager::activatePageInEngine(PageInterface& page)
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

void PageManager::deleteEngineCurrentPage()
{
    const TraceAppLock traceLock(AppLock::ImplicitMacroRecording_Off);
    AppLock lock(AppLock::ImplicitMacroRecording_Off);
    const TraceEngineCall call("OrvUtilPageDelete");
    OrvUtilPageDelete();
}

void PageManager::divertActivations(const PageInterface* page)
{
    for (Activation* activation : m_activations)
        if (activation->page != page)
            activation->diverted = true;
}

std::exception_ptr PageManager::announce(Announcement announcement, PageSignal& signal, PageInterface& page)
{
    const StackedPage announced(m_pagesAnnounced, page);
    util::FirstException failure;
    {
        const TraceSpan span("host", "page listeners");
        m_listeners.notify([&](PageManagerListenerInterface& listener) {
            failure.run([&] { (listener.*announcement)(page, *this); });
        });
    }
    const TraceSpan span("host", "page signal");
    failure.run([&] { signal(page); });
    return failure.get();
}

std::exception_ptr PageManager::announceCurrentPageChanged(PageInterface& page)
{
    return announce(&PageManagerListenerInterface::currentPageChanged, signalPageCurrentChanged, page);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
