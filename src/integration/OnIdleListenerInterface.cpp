#include "integration/OnIdleListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

OnIdleListenerInterface::~OnIdleListenerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
