#include "integration/KeyEventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

KeyEventInterface::~KeyEventInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
