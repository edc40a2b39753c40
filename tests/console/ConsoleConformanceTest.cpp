// The console demo's host checked by the host conformance suite. It has no
// window system and no OpenGL: its driver plays the window system through
// the host's own event queue, and the checks of pixels are skipped.
#include "ConsoleDrawArea.h"
#include "ConsoleHost.h"

#include "ovsdkhostconformance/HostConformance.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace orvane::sdk;
using demo::ConsoleMiscService;
using demo::ConsoleMonitor;

// The window system and the user: each action waits in the monitor's queue
// with the keyboard and mouse state it comes with.
class ConsoleDriver : public hostconformance::HostDriver
{
public:
    ConsoleMonitor* monitor = nullptr;
    ConsoleMiscService* misc = nullptr;

    void processEvents() override { monitor->runEventLoopOnce(); }
    void resize(DrawArea& drawArea, int width, int height) override
    {
        post(drawArea, 0, [=](ConsoleDrawArea& window) { window.resize(width, height); });
    }
    void expose(DrawArea& drawArea) override
    {
        post(drawArea, 0, [](ConsoleDrawArea& window) { window.expose(true); });
    }
    void focusIn(DrawArea& drawArea) override
    {
        post(drawArea, 0, [](ConsoleDrawArea& window) { window.gainFocus(); });
    }
    void focusOut(DrawArea&) override {}
    void destroyWindow(DrawArea& drawArea) override
    {
        post(drawArea, 0, [](ConsoleDrawArea& window) { window.destroyWindow(); });
    }
    void pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override
    {
        post(drawArea, modifiers, [=](ConsoleDrawArea& window) {
            misc->buttonsDown[button] = true;
            monitor->buttonIn(window, button, x, y, true);
        });
    }
    void releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override
    {
        post(drawArea, modifiers, [=](ConsoleDrawArea& window) {
            misc->buttonsDown[button] = false;
            monitor->buttonIn(window, button, x, y, false);
        });
    }
    void moveMouse(DrawArea& drawArea, int x, int y, int modifiers) override
    {
        post(drawArea, modifiers, [=](ConsoleDrawArea& window) { monitor->moveIn(window, x, y); });
    }
    void turnWheel(DrawArea& drawArea, int x, int y, int delta) override
    {
        post(drawArea, 0, [=](ConsoleDrawArea& window) { monitor->wheelIn(window, x, y, delta); });
    }
    void pressKey(DrawArea& drawArea, int key, int modifiers) override
    {
        post(drawArea, modifiers, [=](ConsoleDrawArea& window) { monitor->keyIn(window, key, true); });
    }
    void releaseKey(DrawArea& drawArea, int key, int modifiers) override
    {
        post(drawArea, modifiers, [=](ConsoleDrawArea& window) { monitor->keyIn(window, key, false); });
    }
    double pixelRatio(DrawArea&) override { return 1.0; }

private:
    void post(DrawArea& drawArea, int modifiers, std::function<void(ConsoleDrawArea&)> action)
    {
        ConsoleDrawArea& window = dynamic_cast<ConsoleDrawArea&>(drawArea);
        ConsoleMiscService* keyboard = misc;
        monitor->post("the window system's event for " + window.name(), [=, &window] {
            keyboard->heldModifiers = modifiers;
            action(window);
            keyboard->heldModifiers = 0;
        });
    }
};

class ConsoleFactory : public hostconformance::HostFactory
{
public:
    std::unique_ptr<integration::GLDrawAreaInterface> createDrawArea(int width, int height) override
    {
        return std::unique_ptr<integration::GLDrawAreaInterface>(
            new ConsoleDrawArea(m_log, "window " + std::to_string(++m_made), width, height));
    }
    std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        integration::ManagerInterface& manager) override
    {
        // The run that checks what the suite says of a factory without one.
        if (std::getenv("CONSOLE_CONFORMANCE_NO_MONITOR") != nullptr)
            return nullptr;
        std::unique_ptr<ConsoleMonitor> monitor(new ConsoleMonitor(manager, m_log));
        m_driver.monitor = monitor.get();
        return monitor;
    }
    std::unique_ptr<integration::services::ManagerMiscServiceAbstract> createMiscService() override
    {
        std::unique_ptr<ConsoleMiscService> misc(new ConsoleMiscService);
        m_driver.misc = misc.get();
        return misc;
    }
    hostconformance::HostDriver& driver() override { return m_driver; }

private:
    BoundaryLog m_log;
    ConsoleDriver m_driver;
    int m_made = 0;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ConsoleFactory factory;
    hostconformance::HostConformance::registerTests(factory);
    return RUN_ALL_TESTS();
}
