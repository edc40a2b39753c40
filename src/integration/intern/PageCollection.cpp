#include "integration/intern/PageCollection.h"

#include "integration/PageManagerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

PageCollection::PageManagerListener::PageManagerListener(PageCollection& owner) : m_owner(&owner) {}

void PageCollection::PageManagerListener::pageCreated(PageInterface& page, PageManagerInterface&)
{
    m_owner->insert(page);
}

void PageCollection::PageManagerListener::pageDestroyed(PageInterface& page, PageManagerInterface&)
{
    m_owner->erase(page);
}

void PageCollection::PageManagerListener::currentPageChanged(PageInterface&, PageManagerInterface& manager)
{
    m_owner->moveHeadTo(manager.getCurrentPage());
}

PageCollection::PageCollection(PageManagerInterface& manager)
    : m_manager(&manager), m_head(nullptr), m_pageManagerListener(*this)
{
    m_manager->addListener(&m_pageManagerListener);
}

PageCollection::~PageCollection()
{
    m_manager->removeListener(&m_pageManagerListener);
    while (m_head != nullptr)
        unlink(m_head);
}

bool PageCollection::contains(PageInterface& page) const { return find(&page) != nullptr; }

PageIterator PageCollection::getPageIterator() { return PageIterator(*this, true); }

PageIterator PageCollection::getReversePageIterator() { return PageIterator(*this, false); }

PageCollection::Node* PageCollection::find(const PageInterface* page) const
{
    if (m_head == nullptr)
        return nullptr;
    Node* node = m_head;
    do
    {
        if (node->page == page)
            return node;
        node = node->nextNode;
    } while (node != m_head);
    return nullptr;
}

void PageCollection::insert(PageInterface& page)
{
    Node* node = new Node{&page, nullptr, nullptr};
    if (m_head == nullptr)
    {
        node->nextNode = node;
        node->previousNode = node;
    }
    else
    {
        node->previousNode = m_head;
        node->nextNode = m_head->nextNode;
        m_head->nextNode->previousNode = node;
        m_head->nextNode = node;
    }
    m_head = node;
}

void PageCollection::erase(PageInterface& page)
{
    if (Node* node = find(&page))
        unlink(node);
}

void PageCollection::unlink(Node* node)
{
    m_head = node->nextNode != node ? node->nextNode : nullptr;
    node->previousNode->nextNode = node->nextNode;
    node->nextNode->previousNode = node->previousNode;
    delete node;
}

void PageCollection::moveHeadTo(PageInterface* page)
{
    if (Node* node = find(page))
        m_head = node;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
