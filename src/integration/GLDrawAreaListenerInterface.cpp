#include "integration/GLDrawAreaListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

GLDrawAreaListenerInterface::~GLDrawAreaListenerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
