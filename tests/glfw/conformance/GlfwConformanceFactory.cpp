#include "GlfwConformanceFactory.h"

#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwManagerMiscService.h"
#include "ovsdkglfwhost/GlfwOffscreenImageService.h"

#include <GLFW/glfw3.h>

#include <chrono>

using namespace orvane::sdk;

GlfwConformanceFactory::GlfwConformanceFactory(glfwhost::GlfwEventLoop& loop) : m_loop(loop), m_driver(loop) {}

std::unique_ptr<integration::GLDrawAreaInterface> GlfwConformanceFactory::createDrawArea(int width, int height)
{
    // Six places side by side, taken in turn; X11 has a pixel ratio of 1.
    const int place = m_placed++ % 6;
    std::unique_ptr<glfwhost::GlfwGLDrawArea> drawArea(
        new glfwhost::GlfwGLDrawArea(m_loop, width, height, "conformance", false));
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
