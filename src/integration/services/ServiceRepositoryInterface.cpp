#include "integration/services/ServiceRepositoryInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

ServiceRepositoryInterface::~ServiceRepositoryInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
