#include "integration/EventManagerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

EventManagerInterface::~EventManagerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
