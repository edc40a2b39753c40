#ifndef ORVANE_TESTS_SUPPORT_RUNNINGHOST_H
#define ORVANE_TESTS_SUPPORT_RUNNINGHOST_H

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
class RunningHost : public ::testing::Test
{
protected:
    RunningHost();
    ~RunningHost() override;

    sdk::integration::PageManagerInterface& pages();
    sdk::integration::EventManagerInterface& events();
    // The host's event loop has nothing left to do.
    void reportIdle();
    // The mouse as the whole application sees it, reported by the host.
    void reportButtonState(sdk::integration::MouseEventInterface::MouseButton_e button, bool down);

    FakeManagerMiscService service;
    TestDrawArea areaA;
    TestDrawArea areaB;
    std::unique_ptr<TestHostManager> host;
    TestApplicationEventMonitor& monitor;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_RUNNINGHOST_H
