#include "integration/EventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

EventInterface::~EventInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
