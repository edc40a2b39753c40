#include "integration/MouseEventListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

MouseEventListenerInterface::~MouseEventListenerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
