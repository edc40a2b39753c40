#include "integration/PageIterator.h"

#include "integration/intern/PageIteratorPrivateImpl.h"

namespace orvane {
namespace sdk {
namespace integration {

PageIterator::PageIterator(intern::PageCollection& collection, bool forward)
    : m_impl(new intern::PageIteratorPrivateImpl(collection, forward))
{
}

PageIterator::PageIterator(const PageIterator& other)
    : IteratorInterface<PageInterface&>(other), m_impl(new intern::PageIteratorPrivateImpl(*other.m_impl))
{
}

PageIterator& PageIterator::operator=(const PageIterator& other)
{
    if (this != &other)
        m_impl.reset(new intern::PageIteratorPrivateImpl(*other.m_impl));
    return *this;
}

PageIterator::~PageIterator() = default;

bool PageIterator::hasNext() const { return m_impl->hasNext; }

PageInterface& PageIterator::next()
{
    intern::PageIteratorPrivateImpl& state = *m_impl;
    PageInterface& page = *state.current->page;
    if (state.current == state.last)
        state.hasNext = false;
    state.current = state.forward ? state.current->nextNode : state.current->previousNode;
    return page;
}

} // namespace integration
} // namespace sdk
} // namespace orvane
