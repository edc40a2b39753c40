// The GLFW kit's application event monitor when the engine runs a busy pass
// in the middle of a frame, and the diagnostics it sets up.
#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"

#include "integration/Diagnostics.h"
#include "integration/ManagerAbstract.h"

#include <GLFW/glfw3.h>
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

// Whatever the events make current, the frame's context is current again
// afterwards, unless its window went meanwhile.
TEST(GlfwMonitorTest, ABusyPassLeavesTheContextOfTheFrameCurrent)
{
    glfwhost::GlfwEventLoop loop;
    Manager manager(loop);
    glfwhost::GlfwGLDrawArea drawing(loop, 64, 64, "frame", false);
    glfwhost::GlfwGLDrawArea other(loop, 64, 64, "other", false);
    ASSERT_TRUE(drawing.getGLContext().makeCurrent());
    loop.postTask(&other, [&] { other.getGLContext().makeCurrent(); }); // a window repainting itself
    manager.monitor.processPendingEvents();
    EXPECT_EQ(drawing.window(), glfwGetCurrentContext());

    loop.postTask(&other, [&] {
        other.getGLContext().makeCurrent();
        drawing.destroyNativeWindow();
    });
    manager.monitor.processPendingEvents();
    EXPECT_EQ(other.window(), glfwGetCurrentContext());
    other.getGLContext().releaseCurrent();
}

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
