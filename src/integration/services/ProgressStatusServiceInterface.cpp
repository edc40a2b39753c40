#include "integration/services/ProgressStatusServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

ProgressStatusServiceInterface::~ProgressStatusServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
