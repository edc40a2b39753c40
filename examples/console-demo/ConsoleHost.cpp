#include "ConsoleHost.h"

#include "integration/intern/KeyEvent.h"

#include <utility>

namespace demo {

namespace {

const char* buttonName(MouseButton button) { return button == integration::MouseEventInterface::MouseButton_1 ? "left" : "other"; }

} // namespace

// --- events -------------------------------------------------------------------

ConsoleMouseEvent::ConsoleMouseEvent(MouseButton_e button, int x, int y) : m_button(button), m_x(x), m_y(y) {}
int ConsoleMouseEvent::keyboardModifiers() const { return 0; }
bool ConsoleMouseEvent::isControlDown() const { return false; }
bool ConsoleMouseEvent::isShiftDown() const { return false; }
bool ConsoleMouseEvent::isAltDown() const { return false; }
integration::MouseEventInterface::MouseButton_e ConsoleMouseEvent::button() const { return m_button; }
int ConsoleMouseEvent::x() const { return m_x; }
int ConsoleMouseEvent::y() const { return m_y; }
integration::MouseEventInterface* ConsoleMouseEvent::clone() const { return new ConsoleMouseEvent(*this); }

// --- drawing area -------------------------------------------------------------

ConsoleContext::ConsoleContext(BoundaryLog& log, std::string window) : m_log(log), m_window(std::move(window)) {}

void ConsoleContext::swapBuffers() { m_log.library(m_window + ": swapBuffers()"); }

bool ConsoleContext::makeCurrent()
{
    m_log.library(m_window + ": makeCurrent()");
    return true;
}

bool ConsoleContext::releaseCurrent()
{
    m_log.library(m_window + ": releaseCurrent()");
    return true;
}

ConsoleDrawArea::ConsoleDrawArea(BoundaryLog& log, ConsoleMonitor& monitor, std::string name)
    : m_log(log), m_monitor(monitor), m_name(name), m_context(log, name), m_state(*this)
{
}

bool ConsoleDrawArea::canRender() { return true; }

void ConsoleDrawArea::getSize(int& width, int& height)
{
    width = 800;
    height = 600;
}

integration::GLContextInterface& ConsoleDrawArea::getGLContext() { return m_context; }
bool ConsoleDrawArea::isValid() { return true; }
void ConsoleDrawArea::addStateListener(integration::GLDrawAreaListenerInterface* listener) { m_state.addStateListener(listener); }
void ConsoleDrawArea::removeStateListener(integration::GLDrawAreaListenerInterface* listener)
{
    m_state.removeStateListener(listener);
}

void ConsoleDrawArea::setPageManager(integration::PageManagerInterface&)
{
    m_log.library(m_name + ": setPageManager(...)");
}

void ConsoleDrawArea::addMouseListener(integration::MouseEventListenerInterface* listener) { m_mouse.addMouseListener(listener); }
void ConsoleDrawArea::removeMouseListener(integration::MouseEventListenerInterface* listener)
{
    m_mouse.removeMouseListener(listener);
}
void ConsoleDrawArea::addKeyboardListener(integration::KeyEventListenerInterface* listener) { m_keys.addKeyboardListener(listener); }
void ConsoleDrawArea::removeKeyboardListener(integration::KeyEventListenerInterface* listener)
{
    m_keys.removeKeyboardListener(listener);
}

void ConsoleDrawArea::userPresses(MouseButton button, int x, int y)
{
    m_log.host(std::string("the user presses the ") + buttonName(button) + " button in " + m_name + " at (" +
               std::to_string(x) + ", " + std::to_string(y) + ")");
    m_monitor.signalMouseButtonStateChanged(button, true);
    ConsoleMouseEvent event(button, x, y);
    m_mouse.notifyOfButtonPressed(event, *this);
    signalButtonPressed(event);
}

void ConsoleDrawArea::userMoves(int x, int y)
{
    m_log.host("the user moves the mouse in " + m_name + " to (" + std::to_string(x) + ", " + std::to_string(y) + ")");
    ConsoleMouseEvent event(integration::MouseEventInterface::MouseButton_None, x, y);
    m_mouse.notifyOfMouseMoved(event, *this);
    signalMouseMoved(event);
}

void ConsoleDrawArea::userReleases(MouseButton button, int x, int y)
{
    m_log.host(std::string("the user releases the ") + buttonName(button) + " button in " + m_name);
    m_monitor.signalMouseButtonStateChanged(button, false);
    ConsoleMouseEvent event(button, x, y);
    m_mouse.notifyOfButtonReleased(event, *this);
    signalButtonReleased(event);
}

void ConsoleDrawArea::userTypes(int key)
{
    m_log.host("the user types '" + std::string(1, static_cast<char>(key)) + "' in " + m_name);
    integration::intern::KeyEvent press(this, key);
    m_keys.notifyOfKeyPressed(press, *this);
    integration::intern::KeyEvent release(this, key);
    m_keys.notifyOfKeyReleased(release, *this);
}

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
    m_log.host("the event loop is idle: notifyOfIdle");
    notifyOfIdle(*this);
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
    for (std::size_t pending = m_pending.size(); pending > 0 && !m_pending.empty(); --pending)
    {
        const auto event = std::move(m_pending.front());
        m_pending.pop_front();
        m_log.host("processes its GUI event: " + event.first);
        event.second();
    }
}

void ConsoleMonitor::engineInterrupted() { m_log.library("monitor: engineInterrupted()"); }

// --- manager and services -----------------------------------------------------

ConsoleManager::ConsoleManager(BoundaryLog& log) : m_monitor(*this, log) {}

integration::ApplicationEventMonitorInterface& ConsoleManager::getApplicationEventMonitor() { return m_monitor; }

ConsoleMonitor& ConsoleManager::monitor() { return m_monitor; }

int ConsoleMiscService::getKeyboardModifiers() { return 0; }
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

bool ConsoleMiscService::isMouseButtonPressed(MouseButton) { return false; }
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
