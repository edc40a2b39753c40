#include "integration/intern/PageStateChanges.h"

#include "integration/StateChangeEventObservable.h"
#include "integration/intern/Page.h"
#include "integration/intern/boundary/TraceEvents.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

PageStateChanges::PageStateChanges() : m_snapshotInUse(false) {}

PageStateChanges::~PageStateChanges() { stopListening(); }

void PageStateChanges::add(Page& page)
{
    // Listening begins with the first page: a manager constructed before
    // the engine is initialised makes no engine call.
    if (m_pages.empty())
        StateChangeEventObservable::getInstance().addListener(this);
    m_pages.insert(&page);
    if (page.getUniqueID() == 0)
        m_pagesWithoutID.insert(&page);
}

void PageStateChanges::uniqueIDLearnt(Page& page) { m_pagesWithoutID.erase(&page); }

void PageStateChanges::remove(Page& page)
{
    m_pages.erase(&page);
    m_pagesWithoutID.erase(&page);
    if (m_pages.empty())
        stopListening();
}

void PageStateChanges::stopListening()
{
    // (A manager left at program exit may outlive the relay.)
    if (StateChangeEventObservable::instanceExists())
        StateChangeEventObservable::getInstance().removeListener(this);
}

void PageStateChanges::stateChanged(const orvane::toolbox::StateChangeEventInterface& event,
                                    orvane::toolbox::StateChangeNotifier&)
{
    switch (event.getStateChange())
    {
    case Page::StateChange_CurrentPage:
        tell(m_pagesWithoutID, event);
        return;
    case Page::StateChange_Style:
    case Page::StateChange_PageLayout:
        tell(m_pages, event);
        return;
    default:
        return;
    }
}

void PageStateChanges::tell(const std::unordered_set<Page*>& pages,
                            const orvane::toolbox::StateChangeEventInterface& event)
{
    if (pages.empty())
        return;
    // The engine's state-change callback, where it reaches pages.
    const StateChangeScope scope(event.getStateChange());
    // The snapshot buffer is reused, unless a page's reaction brings a
    // nested state change while it is in use.
    struct Lease
    {
        bool& inUse;
        const bool held;
        ~Lease()
        {
            if (held)
                inUse = false;
        }
    } lease{m_snapshotInUse, !m_snapshotInUse};
    m_snapshotInUse = true;
    std::vector<Page*> nested;
    std::vector<Page*>& snapshot = lease.held ? m_snapshot : nested;
    snapshot.assign(pages.begin(), pages.end());
    for (Page* page : snapshot)
        if (m_pages.count(page) != 0)
            page->engineStateChanged(event);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
