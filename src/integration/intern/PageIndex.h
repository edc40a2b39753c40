#ifndef ORVANE_INTEGRATION_INTERN_PAGEINDEX_H
#define ORVANE_INTEGRATION_INTERN_PAGEINDEX_H

#include "ovsdkbase.h"

#include <unordered_map>

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaInterface;
class PageInterface;

namespace intern {

// Finds a manager's pages by engine id and by drawing area in constant
// time, however many pages there are. It never follows a page pointer
// except to ask a page for its id or drawing area when told of a change.
class PageIndex
{
public:
    // The page showing `drawArea`, or null.
    PageInterface* pageShowing(GLDrawAreaInterface* drawArea) const;
    // The page with the engine's unique id `id`, or null.
    PageInterface* pageWithID(UniqueID_t id) const;

    // `page` learnt its unique id.
    void idLearnt(PageInterface& page);
    // `page` shows the drawing area it has now (or none): it is indexed by
    // that one, whatever the moves in between.
    void drawAreaChanged(PageInterface& page);
    // `page` goes: no entry names it any more.
    void remove(PageInterface& page);

private:
    std::unordered_map<UniqueID_t, PageInterface*> m_pagesByID;
    std::unordered_map<GLDrawAreaInterface*, PageInterface*> m_pagesByDrawArea;
    std::unordered_map<const PageInterface*, GLDrawAreaInterface*> m_drawAreaOfPage; // its entry there
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGEINDEX_H
