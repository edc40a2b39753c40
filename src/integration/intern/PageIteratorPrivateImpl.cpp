#include "integration/intern/PageIteratorPrivateImpl.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

PageIteratorPrivateImpl::PageIteratorPrivateImpl(PageCollection& collection_, bool forward_)
    : collection(&collection_), forward(forward_), current(collection_.head()), last(nullptr), hasNext(false)
{
    if (current == nullptr)
        return;
    hasNext = true;
    last = forward ? current->previousNode : current->nextNode;
}

PageIteratorPrivateImpl::~PageIteratorPrivateImpl() = default;

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
