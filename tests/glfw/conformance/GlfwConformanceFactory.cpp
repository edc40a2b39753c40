#include "GlfwConformanceFactory.h"

#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"
#include "ovsdkglfwhost/GlfwGLContext.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwManagerMiscService.h"
#include "ovsdkglfwhost/GlfwOffscreenImageService.h"

#include <GLFW/glfw3.h>

#include <chrono>
#include <cstdlib>

using namespace orvane::sdk;

namespace {

// A drawing area whose context is an OpenGL 3.3 core profile one (of a
// hidden window): the suite must fail it, saying why (GLFW_CORE_PROFILE=1).
struct CoreProfileDrawArea : glfwhost::GlfwGLDrawArea
{
    CoreProfileDrawArea(glfwhost::GlfwEventLoop& loop, int width, int height)
        : GlfwGLDrawArea(loop, width, height, "core profile", false)
    {
        for (const std::pair<int, int>& hint : {std::make_pair(GLFW_VISIBLE, GLFW_FALSE),
                                               {GLFW_CONTEXT_VERSION_MAJOR, 3}, {GLFW_CONTEXT_VERSION_MINOR, 3},
                                               {GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE}})
            glfwWindowHint(hint.first, hint.second);
        core.setWindow(glfwCreateWindow(width, height, "core profile context", nullptr, nullptr));
        glfwDefaultWindowHints();
    }
    ~CoreProfileDrawArea() override { glfwDestroyWindow(core.window()); }
    integration::GLContextInterface& getGLContext() override { return core; }

    glfwhost::GlfwGLContext core;
};

} // namespace

GlfwConformanceFactory::GlfwConformanceFactory(glfwhost::GlfwEventLoop& loop) : m_loop(loop), m_driver(loop) {}

std::unique_ptr<integration::GLDrawAreaInterface> GlfwConformanceFactory::createDrawArea(int width, int height)
{
    // Six places side by side, taken in turn; X11 has a pixel ratio of 1.
    const int place = m_placed++ % 6;
    std::unique_ptr<glfwhost::GlfwGLDrawArea> drawArea(
        std::getenv("GLFW_CORE_PROFILE") != nullptr
            ? new CoreProfileDrawArea(m_loop, width, height)
            : new glfwhost::GlfwGLDrawArea(m_loop, width, height, "conformance", false));
    glfwSetWindowPos(drawArea->window(), place % 3 * 330, place / 3 * 260);
    glfwShowWindow(drawArea->window());
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!drawArea->isExposed() && std::chrono::steady_clock::now() < end)
        m_loop.runOnce(0.01);
    if (!drawArea->isExposed())
        return nullptr;
    return drawArea;
}

std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> GlfwConformanceFactory::createMonitor(
    integration::ManagerInterface& manager)
{
    return std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract>(
        new glfwhost::GlfwApplicationEventMonitor(manager, m_loop));
}

std::unique_ptr<integration::services::ManagerMiscServiceAbstract> GlfwConformanceFactory::createMiscService()
{
    return std::unique_ptr<integration::services::ManagerMiscServiceAbstract>(
        new glfwhost::GlfwManagerMiscService(m_loop));
}

std::unique_ptr<integration::services::OffscreenImageServiceAbstract>
GlfwConformanceFactory::createOffscreenImageService()
{
    return std::unique_ptr<integration::services::OffscreenImageServiceAbstract>(
        new glfwhost::GlfwOffscreenImageService);
}

hostconformance::HostDriver& GlfwConformanceFactory::driver() { return m_driver; }
