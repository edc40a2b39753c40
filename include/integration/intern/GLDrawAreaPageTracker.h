#ifndef ORVANE_INTEGRATION_INTERN_GLDRAWAREAPAGETRACKER_H
#define ORVANE_INTEGRATION_INTERN_GLDRAWAREAPAGETRACKER_H

#include "integration/PageChangeListenerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "util/Export.h"

#include <set>

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaInterface;

namespace intern {

// Counts how many of a page manager's pages one drawing area shows, as pages
// are created, destroyed and moved between drawing areas. A host drawing area
// keeps one and passes its setPageManager() on to it; only changes announced
// after that call are counted. Destroy it before its page manager.
class OVSDK_INTEGRATION_EXPORT GLDrawAreaPageTracker
{
public:
    // A tracker of `drawArea`, which outlives it, counting 0 pages and
    // listening to no manager yet.
    explicit GLDrawAreaPageTracker(GLDrawAreaInterface& drawArea);
    // Not copyable.
    GLDrawAreaPageTracker(const GLDrawAreaPageTracker&) = delete;
    // Not copyable.
    GLDrawAreaPageTracker& operator=(const GLDrawAreaPageTracker&) = delete;
    // Stops listening to the manager and its pages.
    virtual ~GLDrawAreaPageTracker();

    // Listens to `pageManager` and its pages instead of the earlier manager
    // and its pages. The count is kept as it is.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy Called from the drawing area's setPageManager(), inside
    // addPage() or the engine's page-create callback.
    void setPageManager(PageManagerInterface& pageManager);
    // The number of the manager's pages that the drawing area shows now.
    int pageCount();

private:
    class PageManagerListener : public virtual PageManagerListenerInterface
    {
    public:
        explicit PageManagerListener(GLDrawAreaPageTracker& owner);
        void pageCreated(PageInterface& page, PageManagerInterface& manager) override;
        void pageDestroyed(PageInterface& page, PageManagerInterface& manager) override;
        void currentPageChanged(PageInterface& page, PageManagerInterface& manager) override;

    private:
        GLDrawAreaPageTracker* m_owner;
    };

    class PageChangeListener : public virtual PageChangeListenerInterface
    {
    public:
        explicit PageChangeListener(GLDrawAreaPageTracker& owner);
        void pageNameChanged(std::string oldName, PageInterface& page) override;
        void pageDrawAreaChanged(GLDrawAreaInterface* oldDrawArea, PageInterface& page) override;

    private:
        GLDrawAreaPageTracker* m_owner;
    };

    void detachFromManager();
    bool shows(PageInterface& page) const;

    GLDrawAreaInterface* m_drawArea;
    PageManagerInterface* m_pageManager;
    // The pages counted, by address: a page destroyed while its move is
    // announced (a listener before ours stopped the manager) leaves the
    // count whatever drawing area it names by then.
    std::set<const PageInterface*> m_shown;
    PageManagerListener m_pageManagerListener;
    PageChangeListener m_pageChangeListener;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_GLDRAWAREAPAGETRACKER_H
