#include "ConsoleDrawArea.h"

#include "ConsoleHost.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseWheelEvent.h"

using namespace orvane::sdk::integration;

ConsoleDrawArea::ConsoleDrawArea(BoundaryLog& log, std::string name, int width, int height)
    : m_log(log),
      m_name(std::move(name)),
      m_width(width),
      m_height(height),
      m_valid(true),
      m_context(*this),
      m_stateObservable(*this)
{
}

void ConsoleDrawArea::expose(bool fullDamage)
{
    m_stateObservable.notifyOfExposed(fullDamage);
    signalDrawAreaExposed(fullDamage);
}

void ConsoleDrawArea::destroyWindow()
{
    m_stateObservable.notifyOfDestroyed();
    signalDrawAreaDestroyed();
    m_valid = false;
}

void ConsoleDrawArea::gainFocus()
{
    m_stateObservable.notifyOfFocusGained();
    signalDrawAreaFocusGained();
}

void ConsoleDrawArea::resize(int width, int height)
{
    m_width = width;
    m_height = height;
    expose(true);
}

void ConsoleDrawArea::userPresses(MouseEventInterface::MouseButton_e button, int x, int y)
{
    m_log.host("the user presses button " + std::to_string(button) + " in " + m_name + " at (" + std::to_string(x) +
               ", " + std::to_string(y) + ")");
    demo::ConsoleMouseEvent event(button, x, y);
    m_mouseEventObservable.notifyOfButtonPressed(event, *this);
    signalButtonPressed(event);
}

void ConsoleDrawArea::userMoves(int x, int y)
{
    m_log.host("the user moves the mouse in " + m_name + " to (" + std::to_string(x) + ", " + std::to_string(y) + ")");
    demo::ConsoleMouseEvent event(MouseEventInterface::MouseButton_None, x, y);
    m_mouseEventObservable.notifyOfMouseMoved(event, *this);
    signalMouseMoved(event);
}

void ConsoleDrawArea::userReleases(MouseEventInterface::MouseButton_e button, int x, int y)
{
    m_log.host("the user releases button " + std::to_string(button) + " in " + m_name);
    demo::ConsoleMouseEvent event(button, x, y);
    m_mouseEventObservable.notifyOfButtonReleased(event, *this);
    signalButtonReleased(event);
}

void ConsoleDrawArea::userTypes(int key)
{
    m_log.host("the user types '" + std::string(1, static_cast<char>(key)) + "' in " + m_name);
    userPressesKey(key);
    userReleasesKey(key);
}

void ConsoleDrawArea::userPressesKey(int key)
{
    intern::KeyEvent press(this, key);
    m_keyEventObservable.notifyOfKeyPressed(press, *this);
}

void ConsoleDrawArea::userReleasesKey(int key)
{
    intern::KeyEvent release(this, key);
    m_keyEventObservable.notifyOfKeyReleased(release, *this);
}

void ConsoleDrawArea::userTurnsWheel(int x, int y, int delta)
{
    intern::MouseWheelEvent wheel(x, y, delta, false, false, false, MouseWheelEventInterface::Orientation_Vertical);
    signalWheelRotated(wheel);
    // The engine zooms with '+' and '-' and takes no wheel event.
    if (delta != 0)
    {
        const int zoomKey = delta > 0 ? '+' : '-';
        userPressesKey(zoomKey);
        userReleasesKey(zoomKey);
    }
}

bool ConsoleDrawArea::canRender() { return m_valid; }

void ConsoleDrawArea::getSize(int& width, int& height)
{
    width = m_width;
    height = m_height;
}

GLContextInterface& ConsoleDrawArea::getGLContext() { return m_context; }

bool ConsoleDrawArea::isValid() { return m_valid; }

void ConsoleDrawArea::addStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.addStateListener(listener);
}

void ConsoleDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.removeStateListener(listener);
}

void ConsoleDrawArea::setPageManager(PageManagerInterface&) { say("setPageManager() (a page is about to be made)"); }

void ConsoleDrawArea::say(const std::string& what) const { m_log.library(m_name + ": " + what); }

void ConsoleDrawArea::Context::swapBuffers() { m_owner.say("swapBuffers() - the picture is shown"); }

bool ConsoleDrawArea::Context::makeCurrent()
{
    m_owner.say("makeCurrent()");
    return true;
}

bool ConsoleDrawArea::Context::releaseCurrent()
{
    m_owner.say("releaseCurrent()");
    return true;
}
