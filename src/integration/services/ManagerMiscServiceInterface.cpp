#include "integration/services/ManagerMiscServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

ManagerMiscServiceInterface::~ManagerMiscServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
