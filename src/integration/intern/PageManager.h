#ifndef ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H
#define ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H

#include "integration/PageManagerInterface.h"
#include "integration/intern/HostRequestQueue.h"
#include "integration/intern/PageIndex.h"
#include "integration/intern/PageRegistry.h"
#include "integration/intern/SubManagerInterface.h"
#include "ovsdkbase.h"
#include "util/ListenerSet.h"

#include <exception>
#include <memory>
#include <vector>

namespace orvane {
namespace sdk {
namespace integration {

class ManagerInterface;

namespace intern {

class CurrentPageSetterOnFocusGain;
class PageCollection;
class PageStateChanges;
class RenderDestinationManager;

// The page manager of ManagerAbstract. It creates every Page (for the host's
// addPage, or for an engine page request with a drawing area from the
// factory) and deletes it only when the engine reports it destroyed; it
// never deletes pages itself, not even when it is destroyed.
//
// Engine calls that change pages run under the application lock (value 0).
// The host's switches and deletions go through a HostRequestQueue, which
// says when they wait.
//
// Announcements reach every listener and slot even when one of them throws,
// so that the library's own listeners stay in step; the first exception is
// passed on once the manager's state is complete.
class PageManager : public virtual PageManagerInterface,
                    public virtual SubManagerInterface,
                    public PageRegistry,
                    private HostRequestQueue::PageState
{
public:
    // `manager`'s event manager is asked whether the engine is busy, from
    // registerCallbacks() until stopped().
    explicit PageManager(ManagerInterface& manager);
    ~PageManager() override;

    void addListener(PageManagerListenerInterface* listener) override;
    void removeListener(PageManagerListenerInterface* listener) override;
    void setGLDrawAreaFactory(GLDrawAreaFactoryInterface& factory) override;
    void pushPageRenderDecider(boost::shared_ptr<PageRenderDeciderInterface> decider) override;
    void popPageRenderDecider() override;
    int pageCount() override;
    PageInterface& addPage(GLDrawAreaInterface* drawArea) override;
    void deletePage(PageInterface& page) override;
    PageInterface* getCurrentPage() override;
    void setCurrentPage(PageInterface& page) override;
    PageIterator getPageIterator() override;
    PageIterator getReversePageIterator() override;

    // The three page callbacks, then the render callbacks. The manager calls
    // this at start-up, once its event manager is there.
    void registerCallbacks() override;
    // The manager's engine is shut down and its event manager goes: as
    // before start-up, the engine counts as idle.
    void stopped();

    PageInterface* pageShowing(GLDrawAreaInterface* drawArea) override;
    bool isLivePage(const PageInterface* page) const override;
    bool isCurrentPage(const PageInterface& page) const override;
    bool isGoing(const PageInterface& page) const override;
    void pageBorn(Page& page) override;
    void uniqueIDLearnt(Page& page) override;
    void drawAreaChanged(Page& page, GLDrawAreaInterface* oldDrawArea) override;
    void pageGone(Page& page) override;


private:
    // The engine's page callbacks, served for their trampolines.
    // False when the engine refused the page.
    bool onEnginePageCreate(StringList_pa arguments);
    void onEnginePageDestroy(ArbParam_t pageHandle);
    void onEnginePageNewCurrent(ArbParam_t pageHandle);

    // In checked mode, reports a handle that names no live page; null for
    // that handle.
    PageInterface* checkedPage(ArbParam_t pageHandle, const char* callback);
    void destroy(PageInterface& page);
    // Announces the destruction and drops the requests it ends; the first
    // exception of a listener, if any.
    std::exception_ptr announceDestruction(PageInterface& page);
    bool isBeingDestroyed(const PageInterface& page) const;
    // Destroyed by the engine while in use below the running call; deleted
    // when the outermost call into the library returns.
    bool isDoomed(const PageInterface& page) const;
    void becameCurrent(PageInterface& page);

    // The common road of addPage and engine page requests; null when the
    // engine refused the page.
    PageInterface* createPage(GLDrawAreaInterface* drawArea, StringList_pa arguments);
    bool createInEngine(PageInterface& page, StringList_pa arguments);
    // Throws orvane::ExceptionBase for a page that is not managed.
    void requireManaged(PageInterface& page);

    // What the request queue asks.
    bool isEngineBusy() override;
    bool isPageOperationUnderWay() const override;
    bool isBeingAnnounced(const PageInterface& page) const override;
    PageInterface* reportedCurrentPage() const override;

    typedef void (PageManagerListenerInterface::*Announcement)(PageInterface&, PageManagerInterface&);
    // The listeners, then the signal; the first exception thrown, if any.
    std::exception_ptr announce(Announcement announcement, PageSignal& signal, PageInterface& page);
    std::exception_ptr announceCurrentPageChanged(PageInterface& page);

    ManagerInterface* m_manager;
    bool m_started; // from registerCallbacks() until stopped()
    util::ListenerSet<PageManagerListenerInterface> m_listeners;
    GLDrawAreaFactoryInterface* m_glDrawAreaFactory;
    PageInterface* m_pageBeingCreated; // while the engine creates it and it is announced
    PageInterface* m_currentPage;
    std::unique_ptr<PageCollection> m_pageCollection;
    int m_pageCount;
    std::unique_ptr<RenderDestinationManager> m_renderDestinationManager;
    std::unique_ptr<PageStateChanges> m_pageStateChanges;
    PageIndex m_index;
    HostRequestQueue m_requests;
    std::vector<PageInterface*> m_pagesBeingDestroyed; // while their destruction is announced
    std::vector<PageInterface*> m_pagesAnnounced;      // innermost last
    std::vector<PageInterface*> m_doomed;
    std::unique_ptr<CurrentPageSetterOnFocusGain> m_currentPageSetterOnFocusGain;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H
