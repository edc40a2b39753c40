#include "integration/services/OffscreenImageServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

OffscreenImageServiceInterface::~OffscreenImageServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
