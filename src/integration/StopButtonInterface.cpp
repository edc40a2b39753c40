#include "integration/StopButtonInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

StopButtonInterface::~StopButtonInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
