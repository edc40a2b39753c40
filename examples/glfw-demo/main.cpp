// The GLFW demo of the integration manager: two GLFW windows on the GLFW
// host kit, with the simulated engine drawing their pages with OpenGL; the
// usage is the demos' (DemoMain.h), its pictures go to demo-out/glfw.
#include "DemoMain.h"
#include "DemoSession.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"

int main(int argc, char** argv)
{
    std::unique_ptr<orvane::sdk::glfwhost::GlfwEventLoop> loop;
    return runDemo(argc, argv, "glfw-demo", "glfw", [&loop](BoundaryAccount& account) {
        loop.reset(new orvane::sdk::glfwhost::GlfwEventLoop);
        return std::unique_ptr<DemoSessionBase>(new DemoSession(*loop, account));
    });
}
