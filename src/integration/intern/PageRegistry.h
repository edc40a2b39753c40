#ifndef ORVANE_INTEGRATION_INTERN_PAGEREGISTRY_H
#define ORVANE_INTEGRATION_INTERN_PAGEREGISTRY_H

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaInterface;
class Page;
class PageInterface;

namespace intern {

// What a manager's pages and its render path know of the manager: they
// find pages by drawing area and ask which are live and current, and the
// pages tell it when they come, the id they learn, the drawing area they
// show, and when they go.
class PageRegistry
{
public:
    virtual ~PageRegistry() = default;

    // The page showing `drawArea`, or null.
    virtual PageInterface* pageShowing(GLDrawAreaInterface* drawArea) = 0;
    // Whether `page` (compared by address, never followed) is one of the
    // manager's pages: created, or being created, and not yet destroyed.
    virtual bool isLivePage(const PageInterface* page) const = 0;
    // Whether the engine is destroying `page`, or has destroyed it while it
    // is still in use below the running call.
    virtual bool isGoing(const PageInterface& page) const = 0;
    // Whether `page` is the current page as the engine last reported it
    // (without asking the engine).
    virtual bool isCurrentPage(const PageInterface& page) const = 0;

    virtual void pageBorn(Page& page) = 0;
    virtual void uniqueIDLearnt(Page& page) = 0;
    // `page` shows another drawing area now (or none).
    virtual void drawAreaChanged(Page& page, GLDrawAreaInterface* oldDrawArea) = 0;
    virtual void pageGone(Page& page) = 0;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGEREGISTRY_H
