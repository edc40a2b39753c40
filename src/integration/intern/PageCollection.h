#ifndef ORVANE_INTEGRATION_INTERN_PAGECOLLECTION_H
#define ORVANE_INTEGRATION_INTERN_PAGECOLLECTION_H

#include "integration/PageIterator.h"
#include "integration/PageManagerListenerInterface.h"

#include <unordered_map>

namespace orvane {
namespace sdk {
namespace integration {

class PageInterface;
class PageManagerInterface;

namespace intern {

// The page manager's pages as a ring whose head follows the engine's current
// page. It is fed by the manager's announcements, as one of its listeners:
// a created page becomes the head (linked in right after the old head), a
// destroyed page's successor becomes the head, and a current-page change
// moves the head to the manager's current page. Each page's node is indexed,
// so that finding, erasing and moving the head take constant time however
// many pages there are.
class PageCollection
{
public:
    // One page in the ring. The collection owns the nodes, never the pages.
    struct Node
    {
        PageInterface* page;
        Node* nextNode;
        Node* previousNode;
    };

    // Registers itself as a listener of `manager`.
    explicit PageCollection(PageManagerInterface& manager);
    PageCollection(const PageCollection&) = delete;
    PageCollection& operator=(const PageCollection&) = delete;
    virtual ~PageCollection();

    // Compared by address.
    virtual bool contains(const PageInterface& page) const;
    // The same by address alone, for an address that may name no page.
    bool containsAddress(const PageInterface* page) const { return find(page) != nullptr; }
    virtual PageIterator getPageIterator();
    virtual PageIterator getReversePageIterator();

    // Null when the collection is empty.
    Node* head() const { return m_head; }

private:
    class PageManagerListener : public virtual PageManagerListenerInterface
    {
    public:
        explicit PageManagerListener(PageCollection& owner);
        void pageCreated(PageInterface& page, PageManagerInterface& manager) override;
        void pageDestroyed(PageInterface& page, PageManagerInterface& manager) override;
        void currentPageChanged(PageInterface& page, PageManagerInterface& manager) override;

    private:
        PageCollection* m_owner;
    };

    void insert(PageInterface& page);
    void erase(PageInterface& page);
    // Frees `node`; its successor becomes the head.
    void unlink(Node* node);
    // Keeps the ring as it is when `page` is null or not in it.
    void moveHeadTo(PageInterface* page);
    Node* find(const PageInterface* page) const;

    PageManagerInterface* m_manager;
    Node* m_head;
    std::unordered_map<const PageInterface*, Node*> m_nodes;
    PageManagerListener m_pageManagerListener;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGECOLLECTION_H
