#include "integration/services/DialogGetSimpleTextServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

DialogGetSimpleTextServiceInterface::~DialogGetSimpleTextServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
