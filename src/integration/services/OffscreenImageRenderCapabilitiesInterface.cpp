#include "integration/services/OffscreenImageRenderCapabilitiesInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

OffscreenImageRenderCapabilitiesInterface::~OffscreenImageRenderCapabilitiesInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
