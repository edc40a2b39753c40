#include "support/TestHostManager.h"

namespace orvane {
namespace test {

TestHostManager::TestHostManager() : monitor(*this) {}

TestHostManager::~TestHostManager() { stop(); }

sdk::integration::ApplicationEventMonitorInterface& TestHostManager::getApplicationEventMonitor() { return monitor; }

} // namespace test
} // namespace orvane
