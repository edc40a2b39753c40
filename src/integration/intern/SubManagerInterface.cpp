#include "integration/intern/SubManagerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

SubManagerInterface::~SubManagerInterface() = default;

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
