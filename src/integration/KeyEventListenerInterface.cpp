#include "integration/KeyEventListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

KeyEventListenerInterface::~KeyEventListenerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
