#include "integration/DialogManagerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

DialogManagerInterface::~DialogManagerInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
