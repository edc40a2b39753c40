#include "integration/services/OffscreenImageInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

OffscreenImageInterface::~OffscreenImageInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
