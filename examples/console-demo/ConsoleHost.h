// The console demo's host: the classes a GUI application writes to plug into
// the integration manager, here without any window system. Everything they
// are asked by the library is printed through the BoundaryLog.
#ifndef CONSOLE_DEMO_CONSOLEHOST_H
#define CONSOLE_DEMO_CONSOLEHOST_H

#include "BoundaryLog.h"
#include "ConsoleDrawArea.h"

#include "integration/ManagerAbstract.h"
#include "integration/MouseEventInterface.h"
#include "integration/StopButtonInterface.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "integration/services/ManagerMiscServiceAbstract.h"
#include "integration/services/MessageBoxServiceAbstract.h"

#include <deque>
#include <functional>
#include <string>

namespace demo {

namespace integration = orvane::sdk::integration;
typedef integration::MouseEventInterface::MouseButton_e MouseButton;

// The host's own mouse event, with the modifiers held when it was made (as
// the current miscellaneous-queries service tells them).
class ConsoleMouseEvent : public integration::MouseEventInterface
{
public:
    ConsoleMouseEvent(MouseButton_e button, int x, int y);
    int keyboardModifiers() const override;
    bool isControlDown() const override;
    bool isShiftDown() const override;
    bool isAltDown() const override;
    MouseButton_e button() const override;
    int x() const override;
    int y() const override;
    MouseEventInterface* clone() const override;

private:
    MouseButton_e m_button;
    int m_x;
    int m_y;
    int m_keyboardModifiers;
};

// The host's application event monitor. Its GUI event queue holds host
// actions; the engine's busy loop has them processed.
class ConsoleMonitor : public integration::intern::ApplicationEventMonitorAbstract
{
public:
    ConsoleMonitor(integration::ManagerInterface& manager, BoundaryLog& log);

    // A GUI event arrives in the host's queue.
    void post(const std::string& what, std::function<void()> action);
    // The host's event loop has nothing left to do: the library's idle
    // actions run, then the monitor reports idle time (after a busy pass,
    // first that the engine is no longer busy).
    void idle();
    // One turn of the host's event loop: the queued GUI events, then idle().
    void runEventLoopOnce();
    // The application's event filter saw a mouse button go down or up.
    void buttonChanged(MouseButton button, bool down);
    // The user presses a key / clicks somewhere in the application (not in
    // a drawing area).
    void userPressesKey(const void* widget, int key);
    void userClicks(const void* widget);
    // Input in a drawing area, as the application's event filter sees it:
    // reported application-wide (receiver, button change, the monitor's
    // listeners and signal), then delivered to the window.
    void buttonIn(ConsoleDrawArea& window, MouseButton button, int x, int y, bool press);
    void moveIn(ConsoleDrawArea& window, int x, int y);
    void wheelIn(ConsoleDrawArea& window, int x, int y, int delta);
    void keyIn(ConsoleDrawArea& window, int key, bool press);

    bool isReady() override;
    bool stopMonitoring() override;
    void processPendingEvents() override;
    void engineInterrupted() override;

private:
    // Runs the queued GUI events; a failing one is logged, not passed on.
    void runQueued();

    BoundaryLog& m_log;
    std::deque<std::pair<std::string, std::function<void()>>> m_pending;
    bool m_engineWasBusy = false;
};

// The host's manager: ManagerAbstract plus the monitor it hands out.
class ConsoleManager : public integration::ManagerAbstract
{
public:
    explicit ConsoleManager(BoundaryLog& log);
    integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;
    ConsoleMonitor& monitor();

private:
    ConsoleMonitor m_monitor;
};

// The screen, keyboard and mouse as the engine and the library ask for them.
// The keyboard's modifiers and the mouse buttons down are what the window
// system (the demo) last set.
class ConsoleMiscService : public integration::services::ManagerMiscServiceAbstract
{
public:
    int heldModifiers = 0;
    bool buttonsDown[4] = {false, false, false, false};

    int getKeyboardModifiers() override;
    short translateKeyCode(int keyCode) override;
    void getDotPitch(double* dotPitchX, double* dotPitchY) override;
    void getScreenSize(int* width, int* height) override;
    bool isMouseButtonPressed(MouseButton button) override;
    std::string getOpenGLVersionString() override;
    double getDevicePixelRatio() override;
};

class ConsoleMessageBoxService : public integration::services::MessageBoxServiceAbstract
{
public:
    explicit ConsoleMessageBoxService(BoundaryLog& log);
    MessageBoxReply_e showMessageBox(const char* message, MessageBoxType_e type) override;

private:
    BoundaryLog& m_log;
};

// The "Stop" button shown while the engine works.
class ConsoleStopButton : public integration::StopButtonInterface
{
public:
    bool active = true;
    bool isActive() const override;
    bool isWidget(const void* widget) const override;
};

} // namespace demo

#endif // CONSOLE_DEMO_CONSOLEHOST_H
