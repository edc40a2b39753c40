#ifndef ORVANE_INTEGRATION_INTERN_PAGESTATECHANGES_H
#define ORVANE_INTEGRATION_INTERN_PAGESTATECHANGES_H

#include "ovtoolbox/StateChangeNotifier.h"

#include <unordered_set>
#include <vector>

namespace orvane {
namespace sdk {
namespace integration {

class Page;

namespace intern {

// Hands the engine's state changes to the pages that read them, as one
// listener of the process-wide relay for all the pages of a manager: a
// current-page change (code 50) to the pages that have not learnt their
// unique id yet, a style change (7) and a layout change (31) to every page,
// any other change to none. So a state change no page reads costs nothing
// per page, however many pages there are. It listens to the relay while
// the manager has pages, and records each change it hands to pages in the
// trace.
class PageStateChanges : public virtual orvane::toolbox::StateChangeListenerInterface
{
public:
    PageStateChanges();
    ~PageStateChanges() override;
    PageStateChanges(const PageStateChanges&) = delete;
    PageStateChanges& operator=(const PageStateChanges&) = delete;

    void add(Page& page);
    void uniqueIDLearnt(Page& page);
    void remove(Page& page);

    void stateChanged(const orvane::toolbox::StateChangeEventInterface& event,
                      orvane::toolbox::StateChangeNotifier& notifier) override;

private:
    // Tells each of `pages` that is still there: a page's reaction may have
    // pages deleted (a name listener's deletePage).
    void tell(const std::unordered_set<Page*>& pages, const orvane::toolbox::StateChangeEventInterface& event);
    void stopListening();

    std::unordered_set<Page*> m_pages;
    std::unordered_set<Page*> m_pagesWithoutID;
    std::vector<Page*> m_snapshot; // reused by notifications that are not nested
    bool m_snapshotInUse;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGESTATECHANGES_H
