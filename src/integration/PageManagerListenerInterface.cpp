#include "integration/PageManagerListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

PageManagerListenerInterface::~PageManagerListenerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
