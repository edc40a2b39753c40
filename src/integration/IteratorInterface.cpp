#include "integration/IteratorInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

template class IteratorInterface<PageInterface&>;

} // namespace integration
} // namespace sdk
} // namespace orvane
