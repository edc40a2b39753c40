// The GLFW kit checked by the host conformance suite, on real GLFW windows
// with OpenGL.
#include "GlfwConformanceFactory.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwIdleScheduler.h"
#include "ovsdkhostconformance/HostConformance.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    orvane::sdk::glfwhost::GlfwEventLoop loop;
    orvane::sdk::glfwhost::GlfwIdleScheduler idleScheduler(loop);
    GlfwConformanceFactory factory(loop);
    orvane::sdk::hostconformance::HostConformance::registerTests(factory);
    return RUN_ALL_TESTS();
}
