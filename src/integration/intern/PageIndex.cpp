#include "integration/intern/PageIndex.h"

#include "integration/PageInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

// Erases the entry under `key` when it names `page`.
template <typename Map, typename Key>
void eraseEntryOf(Map& map, const Key& key, const PageInterface& page)
{
    const auto entry = map.find(key);
    if (entry != map.end() && entry->second == &page)
        map.erase(entry);
}

template <typename Map, typename Key>
PageInterface* find(const Map& map, const Key& key)
{
    const auto found = map.find(key);
    return found != map.end() ? found->second : nullptr;
}

} // namespace

PageInterface* PageIndex::pageShowing(GLDrawAreaInterface* drawArea) const { return find(m_pagesByDrawArea, drawArea); }

PageInterface* PageIndex::pageWithID(UniqueID_t id) const { return find(m_pagesByID, id); }

void PageIndex::idLearnt(PageInterface& page) { m_pagesByID[page.getUniqueID()] = &page; }

void PageIndex::drawAreaChanged(PageInterface& page)
{
    GLDrawAreaInterface*& indexed = m_drawAreaOfPage[&page];
    eraseEntryOf(m_pagesByDrawArea, indexed, page);
    indexed = page.getDrawArea();
    if (indexed != nullptr)
        m_pagesByDrawArea[indexed] = &page;
}

void PageIndex::remove(PageInterface& page)
{
    const auto indexed = m_drawAreaOfPage.find(&page);
    if (indexed != m_drawAreaOfPage.end())
    {
        eraseEntryOf(m_pagesByDrawArea, indexed->second, page);
        m_drawAreaOfPage.erase(indexed);
    }
    eraseEntryOf(m_pagesByID, page.getUniqueID(), page);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
