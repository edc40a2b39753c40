#ifndef ORVANE_INTEGRATION_PAGEITERATOR_H
#define ORVANE_INTEGRATION_PAGEITERATOR_H

#include "integration/IteratorInterface.h"
#include "util/Export.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace integration {

class PageInterface;

namespace intern {
class PageCollection;
struct PageIteratorPrivateImpl;
} // namespace intern

// Walks the page manager's pages once, forward or backward, starting at the
// current page. The pages must be neither created nor destroyed while an
// iterator is in use; a change of the current page does not disturb it.
// Copies advance independently.
class OVSDK_INTEGRATION_EXPORT PageIterator : public virtual IteratorInterface<PageInterface&>
{
public:
    // An iterator over `collection`, from its current page on, forward or
    // backward; made by PageManagerInterface::getPageIterator().
    PageIterator(intern::PageCollection& collection, bool forward);
    // A copy at the same position, advancing on its own.
    PageIterator(const PageIterator& other);
    // Takes the position of `other`.
    PageIterator& operator=(const PageIterator& other);
    // Destroys the iterator, not the pages.
    ~PageIterator() override;

    // Whether a page is left to walk.
    bool hasNext() const override;
    // Only while hasNext().
    PageInterface& next() override;

private:
    std::unique_ptr<intern::PageIteratorPrivateImpl> m_impl;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGEITERATOR_H
