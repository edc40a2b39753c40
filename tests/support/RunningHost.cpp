#include "support/RunningHost.h"

#include "integration/PageManagerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"

namespace orvane {
namespace test {

namespace {

// The engine starts fresh before the manager (and its monitor, which
// registers the busy callback) is made.
TestHostManager* freshHost()
{
    sim::reset();
    return new TestHostManager();
}

} // namespace

RunningHost::RunningHost() : host(freshHost()), monitor(host->monitor)
{
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

RunningHost::~RunningHost() { host->stop(); }

sdk::integration::PageManagerInterface& RunningHost::pages() { return host->getPageManager(); }

sdk::integration::EventManagerInterface& RunningHost::events() { return host->getEventManager(); }

void RunningHost::reportIdle() { monitor.notifyOfIdle(monitor); }

void RunningHost::reportButtonState(sdk::integration::MouseEventInterface::MouseButton_e button, bool down)
{
    monitor.signalMouseButtonStateChanged(button, down);
}

} // namespace test
} // namespace orvane
