#include "ConsoleHost.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseWheelEvent.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

#include <utility>

namespace demo {

// --- events -------------------------------------------------------------------

namespace {

int heldModifiers()
{
    integration::services::ManagerMiscServiceInterface* misc =
        integration::services::ManagerMiscServiceAbstract::getCurrentInstance();
    return misc != nullptr ? misc->getKeyboardModifiers() : 0;
}

} // namespace

ConsoleMouseEvent::ConsoleMouseEvent(MouseButton_e button, int x, int y)
    : m_button(button), m_x(x), m_y(y), m_keyboardModifiers(heldModifiers())
{
}
int ConsoleMouseEvent::keyboardModifiers() const { return m_keyboardModifiers; }
bool ConsoleMouseEvent::isControlDown() const { return (m_keyboardModifiers & 2) != 0; }
bool ConsoleMouseEvent::isShiftDown() const { return (m_keyboardModifiers & 1) != 0; }
bool ConsoleMouseEvent::isAltDown() const { return (m_keyboardModifiers & 4) != 0; }
integration::MouseEventInterface::MouseButton_e ConsoleMouseEvent::button() const { return m_button; }
int ConsoleMouseEvent::x() const { return m_x; }
int ConsoleMouseEvent::y() const { return m_y; }
integration::MouseEventInterface* ConsoleMouseEvent::clone() const { return new ConsoleMouseEvent(*this); }

// --- monitor ------------------------------------------------------------------

ConsoleMonitor::ConsoleMonitor(integration::ManagerInterface& manager, BoundaryLog& log)
    : ApplicationEventMonitorAbstract(manager), m_log(log)
{
}

void ConsoleMonitor::post(const std::string& what, std::function<void()> action)
{
    m_pending.emplace_back(what, std::move(action));
}

void ConsoleMonitor::idle()
{
    m_log.host("is idle: runs the library's idle actions, then notifyOfIdle");
    orvane::sdk::ui::common::processIdleActions();
    if (m_engineWasBusy)
    {
        m_engineWasBusy = false;
        signalEngineIsNoLongerBusy();
    }
    notifyOfIdle(*this);
}

void ConsoleMonitor::runEventLoopOnce()
{
    runQueued();
    idle();
}

void ConsoleMonitor::buttonChanged(MouseButton button, bool down)
{
    signalMouseButtonStateChanged(button, down);
}

void ConsoleMonitor::userPressesKey(const void* widget, int key)
{
    signalProcessingNewEvent({widget, true});
    integration::intern::KeyEvent event(nullptr, key);
    notifyOfKeyPressed(event);
}

void ConsoleMonitor::userClicks(const void* widget)
{
    signalProcessingNewEvent({widget, true});
    ConsoleMouseEvent press(integration::MouseEventInterface::MouseButton_1, 0, 0);
    notifyOfButtonPressed(press);
}

void ConsoleMonitor::buttonIn(ConsoleDrawArea& window, MouseButton button, int x, int y, bool press)
{
    signalProcessingNewEvent({&window, true});
    signalMouseButtonStateChanged(button, press);
    ConsoleMouseEvent event(button, x, y);
    if (press)
    {
        notifyOfButtonPressed(event);
        window.userPresses(button, x, y);
    }
    else
    {
        notifyOfButtonReleased(event);
        window.userReleases(button, x, y);
    }
}

void ConsoleMonitor::moveIn(ConsoleDrawArea& window, int x, int y)
{
    signalProcessingNewEvent({&window, true});
    ConsoleMouseEvent event(integration::MouseEventInterface::MouseButton_None, x, y);
    notifyOfMouseMoved(event);
    window.userMoves(x, y);
}

void ConsoleMonitor::wheelIn(ConsoleDrawArea& window, int x, int y, int delta)
{
    signalProcessingNewEvent({&window, true});
    integration::intern::MouseWheelEvent event(x, y, delta, false, false, false,
                                               integration::MouseWheelEventInterface::Orientation_Vertical);
    signalWheelRotated(event);
    window.userTurnsWheel(x, y, delta);
}

void ConsoleMonitor::keyIn(ConsoleDrawArea& window, int key, bool press)
{
    signalProcessingNewEvent({&window, true});
    integration::intern::KeyEvent event(this, key);
    if (press)
    {
        notifyOfKeyPressed(event);
        window.userPressesKey(key);
    }
    else
    {
        notifyOfKeyReleased(event);
        window.userReleasesKey(key);
    }
}

bool ConsoleMonitor::isReady()
{
    m_log.library("monitor: isReady() -> true");
    return true;
}

bool ConsoleMonitor::stopMonitoring()
{
    m_log.library("monitor: stopMonitoring()");
    return true;
}

void ConsoleMonitor::processPendingEvents()
{
    m_log.library("monitor: processPendingEvents() (the engine is busy" +
                  std::string(isEngineInterruptible() ? ", interruptible)" : ")"));
    m_engineWasBusy = true;
    runQueued();
}

void ConsoleMonitor::runQueued()
{
    // Only the events queued now: those queued meanwhile wait for the next turn.
    for (std::size_t pending = m_pending.size(); pending > 0 && !m_pending.empty(); --pending)
    {
        const auto event = std::move(m_pending.front());
        m_pending.pop_front();
        m_log.host("processes its GUI event: " + event.first);
        try
        {
            event.second();
        }
        catch (const std::exception& failure)
        {
            m_log.host("its GUI event failed: " + std::string(failure.what()));
        }
        catch (...)
        {
            m_log.host("its GUI event failed");
        }
    }
}

void ConsoleMonitor::engineInterrupted() { m_log.library("monitor: engineInterrupted()"); }

// --- manager and services -----------------------------------------------------

ConsoleManager::ConsoleManager(BoundaryLog& log) : m_monitor(*this, log) {}

integration::ApplicationEventMonitorInterface& ConsoleManager::getApplicationEventMonitor() { return m_monitor; }

ConsoleMonitor& ConsoleManager::monitor() { return m_monitor; }

int ConsoleMiscService::getKeyboardModifiers() { return heldModifiers; }
short ConsoleMiscService::translateKeyCode(int keyCode) { return static_cast<short>(keyCode); }

void ConsoleMiscService::getDotPitch(double* dotPitchX, double* dotPitchY)
{
    *dotPitchX = 0.25;
    *dotPitchY = 0.25;
}

void ConsoleMiscService::getScreenSize(int* width, int* height)
{
    *width = 1920;
    *height = 1080;
}

bool ConsoleMiscService::isMouseButtonPressed(MouseButton button)
{
    return button >= 1 && button <= 3 && buttonsDown[button];
}
std::string ConsoleMiscService::getOpenGLVersionString() { return "4.6 (console)"; }
double ConsoleMiscService::getDevicePixelRatio() { return 1.0; }

ConsoleMessageBoxService::ConsoleMessageBoxService(BoundaryLog& log) : m_log(log) {}

MessageBoxReply_e ConsoleMessageBoxService::showMessageBox(const char* message, MessageBoxType_e)
{
    m_log.library(std::string("message box \"") + message + "\" -> the user answers Yes");
    return MessageBoxReply_Yes;
}

bool ConsoleStopButton::isActive() const { return active; }
bool ConsoleStopButton::isWidget(const void* widget) const { return widget == this; }

} // namespace demo
