// The GLFW kit checked by the host conformance suite, on real GLFW windows
// with OpenGL.
//
// The driver plays the window system by queueing GLFW's events in the kit's
// event loop, as the kit's GLFW callbacks do (keys by their GLFW key code
// followed by the character they type, as GLFW reports them on X11), and
// resizes windows through GLFW. Pixels come from the X server (the GLFW
// demo's screen grab), OpenGL functions from the current GLFW context.
#include "X11WindowGrab.h"

#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwGLContext.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwIdleScheduler.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"
#include "ovsdkglfwhost/GlfwManagerMiscService.h"
#include "ovsdkglfwhost/GlfwOffscreenImageService.h"
#include "ovsdkhostconformance/HostConformance.h"
#include "ovsdkhostconformance/HostDriver.h"
#include "ovsdkhostconformance/HostFactory.h"

#include "integration/Diagnostics.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

using namespace orvane::sdk;
using glfwhost::GlfwGLDrawArea;
using glfwhost::GlfwWindowEvent;

const int Control = 2;
const int Alt = 4;
const int Escape = 27;

// The GLFW key that types `character` without Shift on a US keyboard; the
// keypad's for '+', a key of another layout for the other characters.
int glfwKeyOf(int character)
{
    if (std::isalpha(character))
        return std::toupper(character);
    if (std::isdigit(character) || std::strchr(" ',-./;=[\\]`", character) != nullptr)
        return character;
    return character == '+' ? GLFW_KEY_KP_ADD : GLFW_KEY_WORLD_1;
}

class GlfwConformanceDriver : public hostconformance::HostDriver
{
public:
    explicit GlfwConformanceDriver(glfwhost::GlfwEventLoop& loop) : m_loop(loop) {}

    void processEvents() override
    {
        for (int round = 0; round < 2; ++round)
            m_loop.runOnce(0.003);
    }
    void resize(DrawArea& drawArea, int width, int height) override
    {
        glfwSetWindowSize(area(drawArea).window(), int(std::lround(screen(drawArea, width))),
                          int(std::lround(screen(drawArea, height))));
    }
    void expose(DrawArea& drawArea) override { m_loop.post(GlfwWindowEvent::makeRefresh(area(drawArea).window())); }
    void focusIn(DrawArea& drawArea) override { m_loop.post(GlfwWindowEvent::makeFocus(area(drawArea).window(), true)); }
    void focusOut(DrawArea& drawArea) override
    {
        m_loop.post(GlfwWindowEvent::makeFocus(area(drawArea).window(), false));
    }
    void destroyWindow(DrawArea& drawArea) override
    {
        GlfwGLDrawArea* const target = &area(drawArea);
        // The drawing area cancels its own tasks when it goes.
        m_loop.postTask(target, [target] { target->destroyNativeWindow(); });
    }
    void pressButton(DrawArea& drawArea, MouseButton mouseButton, int x, int y, int modifiers) override
    {
        button(drawArea, mouseButton, true, x, y, modifiers);
    }
    void releaseButton(DrawArea& drawArea, MouseButton mouseButton, int x, int y, int modifiers) override
    {
        button(drawArea, mouseButton, false, x, y, modifiers);
    }
    void moveMouse(DrawArea& drawArea, int x, int y, int modifiers) override
    {
        m_loop.post(GlfwWindowEvent::makeCursorMoved(area(drawArea).window(), screen(drawArea, x),
                                                     screen(drawArea, y), modifiers));
    }
    void turnWheel(DrawArea& drawArea, int x, int y, int delta) override
    {
        m_loop.post(GlfwWindowEvent::makeScroll(area(drawArea).window(), 0.0, delta / 120.0, screen(drawArea, x),
                                                screen(drawArea, y), 0));
    }
    void pressKey(DrawArea& drawArea, int character, int modifiers) override { key(drawArea, character, true, modifiers); }
    void releaseKey(DrawArea& drawArea, int character, int modifiers) override
    {
        key(drawArea, character, false, modifiers);
    }
    double pixelRatio(DrawArea& drawArea) override { return area(drawArea).devicePixelRatio(); }
    void* glProcAddress(const char* name) override { return glfwhost::GlfwGLContext::currentContextProcAddress(name); }
    bool grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb) override
    {
        GlfwGLDrawArea& shown = area(drawArea);
        shown.getSize(width, height);
        return shown.isExposed() && X11WindowGrab::grab(shown.window(), width, height, rgb);
    }

private:
    static GlfwGLDrawArea& area(DrawArea& drawArea) { return dynamic_cast<GlfwGLDrawArea&>(drawArea); }
    // Screen coordinates of a position in device pixels.
    static double screen(DrawArea& drawArea, int devicePixels)
    {
        return devicePixels / area(drawArea).devicePixelRatio();
    }
    void button(DrawArea& drawArea, MouseButton mouseButton, bool press, int x, int y, int modifiers)
    {
        m_loop.post(GlfwWindowEvent::makeMouseButton(area(drawArea).window(), glfwhost::toGlfwButton(mouseButton),
                                                     press ? GLFW_PRESS : GLFW_RELEASE, modifiers,
                                                     screen(drawArea, x), screen(drawArea, y)));
    }
    void key(DrawArea& drawArea, int character, bool press, int modifiers)
    {
        GLFWwindow* const window = area(drawArea).window();
        const int glfwKey = character == Escape ? GLFW_KEY_ESCAPE : glfwKeyOf(character);
        m_loop.post(GlfwWindowEvent::makeKey(window, glfwKey, 0, press ? GLFW_PRESS : GLFW_RELEASE, modifiers));
        // GLFW reports no character for Escape, nor with Control or Alt held.
        if (press && character != Escape && (modifiers & (Control | Alt)) == 0)
            m_loop.post(GlfwWindowEvent::makeCharacter(window, static_cast<unsigned int>(character)));
    }

    glfwhost::GlfwEventLoop& m_loop;
};

// A drawing area whose context is an OpenGL 3.3 core profile one (of a
// hidden window): the suite must fail it, saying why (GLFW_CORE_PROFILE=1).
struct CoreProfileDrawArea : GlfwGLDrawArea
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

// The kit's drawing areas, monitor and services on one GlfwEventLoop.
class GlfwConformanceFactory : public hostconformance::HostFactory
{
public:
    explicit GlfwConformanceFactory(glfwhost::GlfwEventLoop& loop) : m_loop(loop), m_driver(loop) {}

    std::unique_ptr<integration::GLDrawAreaInterface> createDrawArea(int width, int height) override
    {
        // Six places side by side, taken in turn; X11 has a pixel ratio of 1.
        const int place = m_placed++ % 6;
        std::unique_ptr<GlfwGLDrawArea> drawArea(std::getenv("GLFW_CORE_PROFILE") != nullptr
                                                     ? new CoreProfileDrawArea(m_loop, width, height)
                                                     : new GlfwGLDrawArea(m_loop, width, height, "conformance", false));
        glfwSetWindowPos(drawArea->window(), place % 3 * 330, place / 3 * 260);
        glfwShowWindow(drawArea->window());
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!drawArea->isExposed() && std::chrono::steady_clock::now() < end)
            m_loop.runOnce(0.01);
        if (!drawArea->isExposed())
            return nullptr;
        return drawArea;
    }
    std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        integration::ManagerInterface& manager) override
    {
        return std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract>(
            new glfwhost::GlfwApplicationEventMonitor(manager, m_loop));
    }
    std::unique_ptr<integration::services::ManagerMiscServiceAbstract> createMiscService() override
    {
        return std::unique_ptr<integration::services::ManagerMiscServiceAbstract>(
            new glfwhost::GlfwManagerMiscService(m_loop));
    }
    std::unique_ptr<integration::services::OffscreenImageServiceAbstract> createOffscreenImageService() override
    {
        return std::unique_ptr<integration::services::OffscreenImageServiceAbstract>(
            new glfwhost::GlfwOffscreenImageService);
    }
    hostconformance::HostDriver& driver() override { return m_driver; }

private:
    glfwhost::GlfwEventLoop& m_loop;
    GlfwConformanceDriver m_driver;
    int m_placed = 0;
};

// Beside the suite: the monitor its session made, with no handler installed
// (main), installed the kit's printing one (hosts/common; tested with
// test_diagnostics).
TEST(GlfwMonitor, ItsConstructionInstalledADiagnosticsHandler)
{
    const integration::Diagnostics::Handler installed = integration::Diagnostics::setHandler({});
    integration::Diagnostics::setHandler(installed);
    EXPECT_FALSE(installed.empty());
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    glfwhost::GlfwEventLoop loop;
    glfwhost::GlfwIdleScheduler idleScheduler(loop);
    GlfwConformanceFactory factory(loop);
    hostconformance::HostConformance::registerTests(factory);
    integration::Diagnostics::setHandler({});
    return RUN_ALL_TESTS();
}
