#ifndef ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H

#include "integration/ManagerAbstract.h"
#include "support/TestApplicationEventMonitor.h"

namespace orvane {
namespace test {

// A host's manager with its application event monitor. Like any host, a
// test stops it before it goes (the event manager lives until stop()).
class TestHostManager : public sdk::integration::ManagerAbstract
{
public:
    TestHostManager() : monitor(*this) {}

    TestApplicationEventMonitor monitor;

    sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return monitor; }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H
