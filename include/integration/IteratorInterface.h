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
    // An iterator at the start of its sequence.
    IteratorInterface() {}
    // Copies nothing: the interface has no state.
    IteratorInterface(const IteratorInterface&) {}
    // Copies nothing: the interface has no state.
    IteratorInterface& operator=(const IteratorInterface&) { return *this; }

    // Whether next() has an element to give.
    virtual bool hasNext() const = 0;
    // The next element; call only while hasNext().
    virtual T next() = 0;
    // Destroys the iterator, not the sequence.
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
