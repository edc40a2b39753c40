#include "integration/services/ServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

ServiceInterface::~ServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
