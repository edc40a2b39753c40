#include "integration/PageChangeListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

PageChangeListenerInterface::~PageChangeListenerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
