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
#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/intern/boundary/HostCalls.h"
#include "integration/intern/boundary/TraceEvents.h"
#include "ovexception/ExceptionBase.h"
#include "ovexception/OutOfMemoryException.h"
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

// By address alone: the engine may name a page that is gone.
bool contains(const std::vector<PageInterface*>& pages, const PageInterface* page)
{
    return std::find(pages.begin(), pages.end(), page) != pages.end();
}

} // namespace

PageManager::PageManager(ManagerInterface& manager)
    : m_manager(&manager),
      m_started(false),
      m_glDrawAreaFactory(nullptr),
      m_pageBeingCreated(nullptr),
      m_currentPage(nullptr),
      m_pageCount(0),
      m_requests(*this)
{
    m_pageCollection.reset(new PageCollection(*this));
    m_pageStateChanges.reset(new PageStateChanges());
    m_renderDestinationManager.reset(new RenderDestinationManager(*this));
    m_currentPageSetterOnFocusGain.reset(new CurrentPageSetterOnFocusGain(*this));
}

PageManager::~PageManager()
{
    LibraryFrame::cancel(this);
    traceGone(this);
    m_renderDestinationManager.reset();
    m_pageCollection.reset();
    m_pageStateChanges.reset();
    m_currentPageSetterOnFocusGain.reset();
}

// --- listeners and configuration -------------------------------------------

void PageManager::addListener(PageManagerListenerInterface* listener) { m_listeners.add(listener); }

void PageManager::removeListener(PageManagerListenerInterface* listener) { m_listeners.remove(listener); }

void PageManager::setGLDrawAreaFactory(GLDrawAreaFactoryInterface& factory) { m_glDrawAreaFactory = &factory; }

void PageManager::pushPageRenderDecider(boost::shared_ptr<PageRenderDeciderInterface> decider)
{
    const HostReportScope report = decider ? HostReportScope("pushPageRenderDecider")
                                           : HostReportScope("pushPageRenderDecider", "decider", nullptr);
    if (refuseNullAtAnyTime(decider, "((decider) != 0)", "Invalid page render decider",
                            "PageManager::pushPageRenderDecider"))
        return;
    m_renderDestinationManager->pushPageRenderDecider(decider);
}

void PageManager::popPageRenderDecider()
{
    const HostReportScope report("popPageRenderDecider");
    m_renderDestinationManager->popPageRenderDecider();
}

void PageManager::registerCallbacks()
{
    m_started = true;
    const ArbParam_t self = static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(this));
    engine::OrvEngPageCreateRegisterCallback(&callbacks::pageCreate<PageManager, &PageManager::onEnginePageCreate>,
                                             self);
    engine::OrvEngPageDestroyRegisterCallback(&callbacks::pageDestroy<PageManager, &PageManager::onEnginePageDestroy>,
                                              self);
    engine::OrvEngPageNewCurrentRegisterCallback(
        &callbacks::pageNewCurrent<PageManager, &PageManager::onEnginePageNewCurrent>, self);
    m_renderDestinationManager->registerCallbacks();
}

void PageManager::stopped() { m_started = false; }

// --- pages ------------------------------------------------------------------

int PageManager::pageCount() { return m_pageCount; }

PageInterface& PageManager::addPage(GLDrawAreaInterface* drawArea)
{
    const RequestScope request("addPage", "PageManager::addPage()", nullptr, drawArea);
    const engine::ShutdownWatch shutdown;
    PageInterface* page = createPage(drawArea, nullptr);
    // A listener's stop() shuts the engine down, and its pages with it: a
    // page made on the way goes as addPage() returns, so it is not returned.
    if (shutdown.shutDown())
        throw orvane::ExceptionBase("addPage(): a listener or slot stopped the engine while the page was made; "
                                    "there is no page to return.",
                                    false);
    if (page == nullptr)
        throw orvane::OutOfMemoryException("Failed to allocate memory for the new page.");
    return *page;
}

void PageManager::deletePage(PageInterface& page)
{
    const RequestScope request("deletePage", "PageManager::deletePage()", &page);
    requireManaged(page);
    m_requests.deletePage(page);
}

PageInterface* PageManager::getCurrentPage()
{
    // The engine's current page, found by its unique id; a page that has not
    // learnt its id yet is found through the engine's last report.
    const UniqueID_t id = engine::OrvUtilPageGetUniqueID();
    if (m_currentPage != nullptr && m_currentPage->getUniqueID() == id)
        return m_currentPage;
    PageInterface* const found = m_index.pageWithID(id);
    return found != nullptr ? found : m_currentPage;
}

void PageManager::setCurrentPage(PageInterface& page)
{
    const RequestScope request("setCurrentPage", "PageManager::setCurrentPage()", &page);
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
    m_requests.setCurrentPage(page);
}

PageIterator PageManager::getPageIterator() { return m_pageCollection->getPageIterator(); }

PageIterator PageManager::getReversePageIterator() { return m_pageCollection->getReversePageIterator(); }

// --- creation ---------------------------------------------------------------

PageInterface* PageManager::createPage(GLDrawAreaInterface* drawArea, StringList_pa arguments)
{
    const engine::ShutdownWatch shutdown;
    if (drawArea != nullptr)
        drawArea->setPageManager(*this);
    std::unique_ptr<Page> page(new Page(*this, drawArea));
    // The listeners of the page that showed the drawing area may stop the
    // engine: no page is made then.
    if (shutdown.shutDown())
        return nullptr;
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
        m_requests.currentPageChanged(nullptr);
        if (!createInEngine(*page, arguments))
        {
            // Never announced and in no collection: nothing else knows it.
            m_currentPage = oldCurrentPage;
            return nullptr;
        }
        ++m_pageCount;
        traceLivePages(m_pageCount);
        failure.add(announce(&PageManagerListenerInterface::pageCreated, signalPageCreated, *page));
    }
    PageInterface* const created = page.release();
    // A listener's stop() took the page with the engine: no current page
    // to announce.
    if (!m_pageCollection->contains(*created))
    {
        failure.rethrow();
        return created;
    }
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
    const engine::AppLock lock(AppLock::ImplicitMacroRecording_Off);
    return engine::OrvEngPageCreateNew(page, arguments) == TRUE;
}

// --- engine callbacks -------------------------------------------------------

void PageManager::onEnginePageDestroy(ArbParam_t pageHandle)
{
    if (PageInterface* page = checkedPage(pageHandle, "page-destroy"))
        destroy(*page);
}

void PageManager::onEnginePageNewCurrent(ArbParam_t pageHandle)
{
    if (PageInterface* page = checkedPage(pageHandle, "new-current-page"))
        becameCurrent(*page);
}

PageInterface* PageManager::checkedPage(ArbParam_t pageHandle, const char* callback)
{
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    if (!DiagnosticReporter::isCheckedMode())
        return page;
    if (page == nullptr || isLivePage(page))
        return page;
    DiagnosticReporter::report(DiagnosticReporter::Kind_StalePageHandle,
                               std::string("The engine's ") + callback +
                                   " callback named a page handle that is no live page; the callback ignored it.");
    return nullptr;
}

bool PageManager::onEnginePageCreate(StringList_pa arguments)
{
    GLDrawAreaInterface* drawArea = nullptr;
    if (m_glDrawAreaFactory != nullptr)
    {
        orvane::toolbox::StringList list(arguments);
        drawArea = host::call("createGLDrawArea", [&] { return m_glDrawAreaFactory->createGLDrawArea(list); });
    }
    return createPage(drawArea, arguments) != nullptr;
}

void PageManager::destroy(PageInterface& page)
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
    // A page still in use below this call (announced, or being created: the
    // engine shuts down from a listener's stop()) is deleted when the
    // outermost call into the library returns.
    if (isBeingAnnounced(page) || &page == m_pageBeingCreated)
    {
        m_doomed.push_back(&page);
        LibraryFrame::afterOutermost(this, [this, doomed = &page] {
            m_doomed.erase(std::find(m_doomed.begin(), m_doomed.end(), doomed));
            delete doomed;
        });
    }
    else
        delete &page;
    traceLivePages(m_pageCount);
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
    m_requests.pageDestroyed(page);
    return failure;
}

void PageManager::becameCurrent(PageInterface& page)
{
    // A page the engine is destroying cannot become current again.
    if (isBeingDestroyed(page))
        return;
    PageInterface* const oldCurrentPage = m_currentPage;
    m_currentPage = &page;
    m_requests.currentPageChanged(&page);
    if (m_pageBeingCreated != nullptr)
        return;
    // The announcement names the page current before; it is about this one
    // too (the host that made it current may still be using it).
    const StackedPage announced(m_pagesAnnounced, page);
    if (const std::exception_ptr failure = announceCurrentPageChanged(oldCurrentPage != nullptr ? *oldCurrentPage : page))
        std::rethrow_exception(failure);
}

// --- index --------------------------------------------------------------------

PageInterface* PageManager::pageShowing(GLDrawAreaInterface* drawArea) { return m_index.pageShowing(drawArea); }

bool PageManager::isLivePage(const PageInterface* page) const
{
    if (page == nullptr || contains(m_doomed, page))
        return false;
    return page == m_pageBeingCreated || contains(m_pagesBeingDestroyed, page) ||
           m_pageCollection->containsAddress(page);
}

bool PageManager::isBeingDestroyed(const PageInterface& page) const
{
    return contains(m_pagesBeingDestroyed, &page);
}

bool PageManager::isDoomed(const PageInterface& page) const { return contains(m_doomed, &page); }

bool PageManager::isGoing(const PageInterface& page) const { return isBeingDestroyed(page) || isDoomed(page); }

bool PageManager::isCurrentPage(const PageInterface& page) const { return &page == m_currentPage; }

void PageManager::pageBorn(Page& page) { m_pageStateChanges->add(page); }

void PageManager::uniqueIDLearnt(Page& page)
{
    m_index.idLearnt(page);
    m_pageStateChanges->uniqueIDLearnt(page);
}

void PageManager::drawAreaChanged(Page& page, GLDrawAreaInterface* oldDrawArea)
{
    m_index.drawAreaChanged(page);
    // Before any listener hears of it, whatever they do.
    m_renderDestinationManager->pageChanged(page, oldDrawArea, false);
}

void PageManager::pageGone(Page& page)
{
    m_index.remove(page);
    m_pageStateChanges->remove(page);
    m_renderDestinationManager->pageChanged(page, page.getDrawArea(), true);
    m_requests.pageGone(page);
}

// --- host requests ----------------------------------------------------------

void PageManager::requireManaged(PageInterface& page)
{
    if (isDoomed(page) || (&page != m_pageBeingCreated && !m_pageCollection->contains(page)))
        throw orvane::ExceptionBase(
            "The page passed to setCurrentPage() does not match any of the managed pages; see addPage().", false);
}

bool PageManager::isEngineBusy()
{
    // The manager has an event manager only while it is started.
    return m_started && m_manager->getEventManager().isBusy();
}

bool PageManager::isPageOperationUnderWay() const
{
    return m_pageBeingCreated != nullptr || !m_pagesBeingDestroyed.empty();
}

bool PageManager::isBeingAnnounced(const PageInterface& page) const { return contains(m_pagesAnnounced, &page); }

PageInterface* PageManager::reportedCurrentPage() const { return m_currentPage; }

std::exception_ptr PageManager::announce(Announcement announcement, PageSignal& signal, PageInterface& page)
{
    const StackedPage announced(m_pagesAnnounced, page);
    // Once the engine destroyed the page (a listener stopped it), nobody
    // else hears that it came or became current.
    const bool ofDestruction = announcement == &PageManagerListenerInterface::pageDestroyed;
    const auto heard = [&] { return ofDestruction || !isDoomed(page); };
    // Each listener hears of it; the first exception leaves the listeners'
    // span, so that the trace shows they threw.
    util::FirstException failure;
    failure.run([&] {
        host::call("page listeners", [&] {
            util::FirstException listeners;
            m_listeners.notify([&](PageManagerListenerInterface& listener) {
                if (heard())
                    listeners.run([&] { (listener.*announcement)(page, *this); });
            });
            listeners.rethrow();
        });
    });
    if (heard())
        failure.run([&] { host::call("page signal", [&] { signal(page); }); });
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
