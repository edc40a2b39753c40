#include "integration/services/RunningCoordsServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

RunningCoordsServiceInterface::~RunningCoordsServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
