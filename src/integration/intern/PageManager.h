#ifndef ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H
#define ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H

#include "integration/PageManagerInterface.h"
#include "integration/intern/SubManagerInterface.h"
#include "ovsdkbase.h"
#include "util/ListenerSet.h"

#include <boost/function.hpp>

#include <memory>

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
class RenderDestinationManager;

// The page manager of ManagerAbstract. It creates every Page (for the host's
// addPage, or for an engine page request with a drawing area from the
// factory) and deletes it only when the engine reports it destroyed; it
// never deletes pages itself, not even when it is destroyed.
//
// Engine calls that change pages run under the application lock (value 0).
// While the engine is busy, setCurrentPage waits for the next idle time; the
// latest request wins and a page destruction cancels it. A deletion asked
// while busy waits with it, so that the page deleted is the one asked for.
class PageManager : public virtual PageManagerInterface, public virtual SubManagerInterface
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

private:
    static Boolean_t onEnginePageCreateCallback(StringList_pa arguments, ArbParam_t clientData);
    static void onEnginePageDestroyCallback(ArbParam_t pageHandle, ArbParam_t clientData);
    static void onEnginePageNewCurrentCallback(ArbParam_t pageHandle, ArbParam_t clientData);

    void onEnginePageCreate(StringList_pa arguments);
    void onEnginePageDestroy(PageInterface& page);
    void onEnginePageNewCurrent(PageInterface& page);

    // The common road of addPage and engine page requests.
    PageInterface& createPage(GLDrawAreaInterface* drawArea, StringList_pa arguments);
    bool createInEngine(PageInterface& page, StringList_pa arguments);
    // Throws orvane::ExceptionBase for a page that is not managed.
    void requireManaged(PageInterface& page);
    bool isEngineBusy();
    // Runs `action` now, or at the next idle time while the engine is busy,
    // replacing any request waiting there (and counting the deferral).
    void whenIdle(const boost::function<void()>& action);
    void activatePageInEngine(PageInterface& page);
    void deleteEngineCurrentPage();

    typedef void (PageManagerListenerInterface::*Announcement)(PageInterface&, PageManagerInterface&);
    // The listeners, then the signal.
    void announce(Announcement announcement, PageSignal& signal, PageInterface& page);
    void announceCurrentPageChanged(PageInterface& page);

    ManagerInterface* m_manager;
    util::ListenerSet<PageManagerListenerInterface> m_listeners;
    GLDrawAreaFactoryInterface* m_glDrawAreaFactory;
    bool m_isCreatingPage;
    PageInterface* m_currentPage;
    std::unique_ptr<PageCollection> m_pageCollection;
    int m_pageCount;
    std::unique_ptr<RenderDestinationManager> m_renderDestinationManager;
    std::unique_ptr<ui::common::OnIdleActionPerformerSingleShot> m_pendingSetCurrent;
    unsigned long m_deferredRequests; // requests whenIdle() has put off so far
    std::unique_ptr<CurrentPageSetterOnFocusGain> m_currentPageSetterOnFocusGain;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGEMANAGER_H
