// The diagnostics the GLFW kit's application event monitor sets up (a busy
// pass in the middle of a frame: the conformance suite).
#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"

#include "integration/Diagnostics.h"
#include "integration/ManagerAbstract.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk;

class Manager : public integration::ManagerAbstract
{
public:
    explicit Manager(glfwhost::GlfwEventLoop& loop) : monitor(*this, loop) {}
    integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return monitor; }

    glfwhost::GlfwApplicationEventMonitor monitor;
};

// With no handler installed, constructing the monitor installs the kit's
// printing one (hosts/common; tested with test_diagnostics).
TEST(GlfwMonitorTest, ItsConstructionInstallsADiagnosticsHandler)
{
    integration::Diagnostics::setHandler({});
    glfwhost::GlfwEventLoop loop;
    Manager manager(loop);
    EXPECT_FALSE(integration::Diagnostics::setHandler({}).empty());
}

} // namespace
