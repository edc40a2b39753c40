#ifndef ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H
#define ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H

#include "integration/PageManagerInterface.h"
#include "integration/intern/PageIndex.h"
#include "integration/intern/SubManagerInterface.h"
#include "ovsdkbase.h"
#include "util/ListenerSet.h"

#include <deque>
#include <exception>
#include <memory>
#include <unordered_map>
#include <vector>

namespace orvane {
namespace sdk {
namespace ui {
namespace common {
class OnIdleActionPerformerSingleShot;
} // namespace common
} // namespace ui

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
//
// Host requests (setCurrentPage, deletePage) are carried out at once when
// the engine can take them. One waits, in the order made, for the next idle
// time when it can: while the engine is busy, behind an earlier waiting
// request, and for a deletion also while a page is being created or
// destroyed (the engine's current page may be that one) or the page is
// being announced (so that no page dies under its own announcement, and
// addPage returns a live page). Each is carried out once, on the page it
// names; a request whose page is gone is dropped. Of waiting switches only
// the latest counts, and a page the engine destroys by itself cancels them.
// A deletion whose activation saw another page become current waits at the
// front; when that happens to it again it is reported and dropped, so that
// no request blocks the others.
//
// Announcements reach every listener and slot even when one of them throws,
// so that the library's own listeners stay in step; the first exception is
// passed on once the manager's state is complete.
class PageManager : public virtual PageManagerInterface, public virtual SubManagerInterface, public PageIndex
{
public:
    // `manager` gives the event manager, asked whether the engine is busy.
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

    // The three page callbacks, then the render callbacks.
    void registerCallbacks() override;

    PageInterface* pageShowing(GLDrawAreaInterface* drawArea) override;
    bool isLivePage(const PageInterface* page) const override;
    bool isCurrentPage(const PageInterface& page) const override;
    void pageBorn(Page& page) override;
    void uniqueIDLearnt(Page& page) override;
    void drawAreaChanged(Page& page, GLDrawAreaInterface* oldDrawArea) override;
    void pageGone(Page& page) override;

    // True while a page is created, destroyed or announced: the engine is in
    // the middle of a page operation.
    bool isAnnouncing() const;

private:
    // A host request waiting for the engine.
    struct Request
    {
        enum Kind_e
        {
            Kind_SetCurrent,
            Kind_Delete
        };
        Kind_e kind;
        PageInterface* page;
        bool retried; // a deletion refused once already
        unsigned long long traceFlow; // the trace's flow from the request, 0 for none
    };
    // A page made current for a deletion; diverted when the engine made
    // another page current meanwhile.
    struct Activation
    {
        PageInterface* page;
        bool diverted;
    };

    // The trace's counters of live pages and waiting requests.
    void traceCounts();
    // The trace's span of carrying out `request`, where its flow ends.
    static const char* requestName(const Request& request);

    static Boolean_t onEnginePageCreateCallback(StringList_pa arguments, ArbParam_t clientData);
    static void onEnginePageDestroyCallback(ArbParam_t pageHandle, ArbParam_t clientData);
    static void onEnginePageNewCurrentCallback(ArbParam_t pageHandle, ArbParam_t clientData);

    // In checked mode, reports a call from another thread than init()'s and
    // a handle that names no live page; null for that handle.
    PageInterface* checkedPage(ArbParam_t pageHandle, const char* callback);
    // False when the engine refused the page.
    bool onEnginePageCreate(StringList_pa arguments);
    void onEnginePageDestroy(PageInterface& page);
    // Announces the destruction and drops the requests it ends; the first
    // exception of a listener, if any.
    std::exception_ptr announceDestruction(PageInterface& page);
    bool isBeingDestroyed(const PageInterface& page) const;
    void onEnginePageNewCurrent(PageInterface& page);

    // The common road of addPage and engine page requests; null when the
    // engine refused the page.
    PageInterface* createPage(GLDrawAreaInterface* drawArea, StringList_pa arguments);
    bool createInEngine(PageInterface& page, StringList_pa arguments);
    // Throws orvane::ExceptionBase for a page that is not managed.
    void requireManaged(PageInterface& page);
    bool isEngineBusy();

    void request(Request::Kind_e kind, PageInterface& page);
    // Removes the waiting requests `drop` answers true for, keeping the
    // order of the others.
    template <typename Predicate>
    void dropWaitingRequests(Predicate drop);
    bool canCarryOut(const Request& request);
    bool isBeingAnnounced(const PageInterface& page) const;
    // False when the request waits again.
    bool carryOut(const Request& request);
    bool carryOutDeletion(const Request& request);
    void carryOutWaitingRequests();
    void scheduleWaitingRequests();
    void activatePageInEngine(PageInterface& page);
    void deleteEngineCurrentPage();
    // Every activation for a deletion under way is diverted unless `page`
    // is its own.
    void divertActivations(const PageInterface* page);

    typedef void (PageManagerListenerInterface::*Announcement)(PageInterface&, PageManagerInterface&);
    // The listeners, then the signal; the first exception thrown, if any.
    std::exception_ptr announce(Announcement announcement, PageSignal& signal, PageInterface& page);
    std::exception_ptr announceCurrentPageChanged(PageInterface& page);

    ManagerInterface* m_manager;
    util::ListenerSet<PageManagerListenerInterface> m_listeners;
    GLDrawAreaFactoryInterface* m_glDrawAreaFactory;
    PageInterface* m_pageBeingCreated; // while the engine creates it and it is announced
    PageInterface* m_currentPage;
    std::unique_ptr<PageCollection> m_pageCollection;
    int m_pageCount;
    std::unique_ptr<RenderDestinationManager> m_renderDestinationManager;
    std::unique_ptr<PageStateChanges> m_pageStateChanges;
    std::unordered_map<UniqueID_t, PageInterface*> m_pagesByID;
    std::unordered_map<GLDrawAreaInterface*, PageInterface*> m_pagesByDrawArea;
    std::unordered_map<const PageInterface*, GLDrawAreaInterface*> m_drawAreaOfPage; // its entry there
    std::deque<Request> m_waitingRequests;
    std::unique_ptr<ui::common::OnIdleActionPerformerSingleShot> m_pendingRequestRun;
    std::vector<PageInterface*> m_pagesBeingDestroyed; // while their destruction is announced
    std::vector<PageInterface*> m_pagesAnnounced; // innermost last
    std::vector<Activation*> m_activations;       // for deletions under way
    std::vector<PageInterface*> m_hostDeletions;  // asked of the engine, not yet destroyed
    std::unique_ptr<CurrentPageSetterOnFocusGain> m_currentPageSetterOnFocusGain;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H
