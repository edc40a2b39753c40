#include "integration/MouseWheelEventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

MouseWheelEventInterface::~MouseWheelEventInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
