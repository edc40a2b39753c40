#include "integration/GLContextInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

GLContextInterface::~GLContextInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
