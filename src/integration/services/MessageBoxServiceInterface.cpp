#include "integration/services/MessageBoxServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

MessageBoxServiceInterface::~MessageBoxServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
