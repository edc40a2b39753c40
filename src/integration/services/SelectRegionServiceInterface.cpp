#include "integration/services/SelectRegionServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

SelectRegionServiceInterface::~SelectRegionServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
