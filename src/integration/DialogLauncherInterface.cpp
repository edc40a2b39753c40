#include "integration/DialogLauncherInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

DialogLauncherInterface::~DialogLauncherInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
