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

bool PageCollection::contains(const PageInterface& page) const { return find(&page) != nullptr; }

PageIterator PageCollection::getPageIterator() { return PageIterator(*this, true); }

PageIterator PageCollection::getReversePageIterator() { return PageIterator(*this, false); }

PageCollection::Node* PageCollection::find(const PageInterface* page) const
{
    const auto node = m_nodes.find(page);
    return node != m_nodes.end() ? node->second : nullptr;
}

void PageCollection::insert(PageInterface& page)
{
    if (find(&page) != nullptr)
        return;
    Node* node = new Node{&page, nullptr, nullptr};
    m_nodes.emplace(&page, node);
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
    m_nodes.erase(node->page);
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
