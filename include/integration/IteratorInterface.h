#ifndef ORVANE_INTEGRATION_ITERATORINTERFACE_H
#define ORVANE_INTEGRATION_ITERATORINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class PageInterface;

// A one-pass walk over a sequence: next() only while hasNext().
template <typename T>
class OVSDK_INTEGRATION_EXPORT IteratorInterface
{
public:
    IteratorInterface() {}
    IteratorInterface(const IteratorInterface&) {}
    IteratorInterface& operator=(const IteratorInterface&) { return *this; }

    virtual bool hasNext() const = 0;
    virtual T next() = 0;
    virtual ~IteratorInterface();
};

template <typename T>
IteratorInterface<T>::~IteratorInterface()
{
}

// The page iterator's base is instantiated once, inside the library.
extern template class IteratorInterface<PageInterface&>;

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_ITERATORINTERFACE_H
