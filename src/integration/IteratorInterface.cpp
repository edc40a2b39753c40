#include "integration/IteratorInterface.h"

// The full definition gives the instantiation the exported visibility of
// its argument type.
#include "integration/PageInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

template class IteratorInterface<PageInterface&>;

} // namespace integration
} // namespace sdk
} // namespace orvane
