#include "integration/GLDrawAreaFactoryInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

GLDrawAreaFactoryInterface::~GLDrawAreaFactoryInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
