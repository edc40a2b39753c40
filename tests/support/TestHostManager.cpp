#include "support/TestHostManager.h"

namespace orvane {
namespace test {

TestHostManager::TestHostManager() : monitor(*this) {}

sdk::integration::ApplicationEventMonitorInterface& TestHostManager::getApplicationEventMonitor() { return monitor; }

} // namespace test
} // namespace orvane
