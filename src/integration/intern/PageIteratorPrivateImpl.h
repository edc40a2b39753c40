#ifndef ORVANE_INTEGRATION_INTERN_PAGEITERATORPRIVATEIMPL_H
#define ORVANE_INTEGRATION_INTERN_PAGEITERATORPRIVATEIMPL_H

#include "integration/intern/PageCollection.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The position of a PageIterator in the collection's ring.
struct PageIteratorPrivateImpl
{
    PageIteratorPrivateImpl(PageCollection& collection, bool forward);
    PageIteratorPrivateImpl(const PageIteratorPrivateImpl&) = default;
    virtual ~PageIteratorPrivateImpl();

    PageCollection* collection;
    bool forward;
    // The node whose page next() returns next.
    PageCollection::Node* current;
    // The node after whose page the walk ends.
    PageCollection::Node* last;
    bool hasNext;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGEITERATORPRIVATEIMPL_H
