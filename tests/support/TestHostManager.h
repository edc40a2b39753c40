#ifndef ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H

#include "integration/ManagerAbstract.h"
#include "support/TestApplicationEventMonitor.h"

namespace orvane {
namespace test {

// A host's manager with its application event monitor. Like a host, it
// stops the engine before it goes, while its monitor still exists.
class TestHostManager : public sdk::integration::ManagerAbstract
{
public:
    TestHostManager();
    ~TestHostManager() override;

    TestApplicationEventMonitor monitor;

    sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H
