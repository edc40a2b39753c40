#ifndef ORVANE_TESTS_SUPPORT_RUNNINGHOST_H
#define ORVANE_TESTS_SUPPORT_RUNNINGHOST_H

#include "integration/EventManagerInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"
#include "support/TestDrawArea.h"
#include "support/TestHostManager.h"

#include <gtest/gtest.h>

#include <memory>

namespace orvane {
namespace test {

// A host that has made its miscellaneous-queries service current, started
// the simulated engine through its manager, and owns two drawing areas; the
// engine is stopped when the test ends, while the drawing areas still exist.
// All public, so that tables of host steps can reach it.
class RunningHost : public ::testing::Test
{
public:
    RunningHost() : host((sim::reset(), new TestHostManager)), monitor(host->monitor)
    {
        // The engine started fresh before the manager (and its monitor,
        // which registers the busy callback) was made.
        service.makeCurrent();
        char program[] = "host";
        char* argv[] = {program};
        if (host->init(1, argv, "/opt/engine") != sdk::integration::ManagerInterface::ManagerStartReturnCode_Ok ||
            host->start() != sdk::integration::ManagerInterface::ManagerStartReturnCode_Ok)
            ADD_FAILURE() << "the engine did not start";
        // The button states are process-wide: no button is down at the start.
        for (auto button : {sdk::integration::MouseEventInterface::MouseButton_1,
                            sdk::integration::MouseEventInterface::MouseButton_2,
                            sdk::integration::MouseEventInterface::MouseButton_3})
            reportButtonState(button, false);
        sim::clearCalls();
    }
    ~RunningHost() override { host->stop(); }

    sdk::integration::PageManagerInterface& pages() { return host->getPageManager(); }
    sdk::integration::EventManagerInterface& events() { return host->getEventManager(); }
    // The host's event loop has nothing left to do.
    void reportIdle() { monitor.notifyOfIdle(monitor); }
    // The mouse as the whole application sees it, reported by the host.
    void reportButtonState(sdk::integration::MouseEventInterface::MouseButton_e button, bool down)
    {
        monitor.signalMouseButtonStateChanged(button, down);
    }

    FakeManagerMiscService service;
    TestDrawArea areaA;
    TestDrawArea areaB;
    std::unique_ptr<TestHostManager> host;
    TestApplicationEventMonitor& monitor;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_RUNNINGHOST_H
