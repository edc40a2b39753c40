#include "support/TestDrawArea.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseWheelEvent.h"
#include "support/TestMouseEvent.h"

namespace orvane {
namespace test {

using namespace sdk::integration;

void TestDrawArea::addStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.addStateListener(listener);
    stateListeners.insert(listener);
}

void TestDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.removeStateListener(listener);
    stateListeners.erase(listener);
}

void TestDrawArea::addMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseObservable.addMouseListener(listener);
    mouseListeners.insert(listener);
}

void TestDrawArea::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseObservable.removeMouseListener(listener);
    mouseListeners.erase(listener);
}

void TestDrawArea::addKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyObservable.addKeyboardListener(listener);
    keyListeners.insert(listener);
}

void TestDrawArea::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyObservable.removeKeyboardListener(listener);
    keyListeners.erase(listener);
}

void TestDrawArea::simulateMove(int x, int y, MouseButton button)
{
    reportMouse(&intern::MouseEventObservable::notifyOfMouseMoved, signalMouseMoved, button, x, y);
}

void TestDrawArea::simulatePress(MouseButton button, int x, int y)
{
    reportMouse(&intern::MouseEventObservable::notifyOfButtonPressed, signalButtonPressed, button, x, y);
}

void TestDrawArea::simulateDoublePress(MouseButton button, int x, int y)
{
    reportMouse(&intern::MouseEventObservable::notifyOfButtonDoublePressed, signalButtonDoublePressed, button, x, y);
}

void TestDrawArea::simulateRelease(MouseButton button, int x, int y)
{
    reportMouse(&intern::MouseEventObservable::notifyOfButtonReleased, signalButtonReleased, button, x, y);
}

void TestDrawArea::simulateWheel(int delta, Orientation orientation, int x, int y)
{
    intern::MouseWheelEvent event(x, y, delta, false, false, false, orientation);
    signalWheelRotated(event);
}

void TestDrawArea::simulateKeyPress(int key)
{
    intern::KeyEvent event(this, key);
    m_keyObservable.notifyOfKeyPressed(event, *this);
}

void TestDrawArea::simulateKeyRelease(int key)
{
    intern::KeyEvent event(this, key);
    m_keyObservable.notifyOfKeyReleased(event, *this);
}

void TestDrawArea::simulateExpose(bool fullDamage)
{
    m_stateObservable.notifyOfExposed(fullDamage);
    signalDrawAreaExposed(fullDamage);
}

void TestDrawArea::simulateDestroy()
{
    m_stateObservable.notifyOfDestroyed();
    signalDrawAreaDestroyed();
    valid = false;
}

void TestDrawArea::simulateFocusGained()
{
    m_stateObservable.notifyOfFocusGained();
    signalDrawAreaFocusGained();
}

void TestDrawArea::reportMouse(MouseNotification notification, MouseEventSignal& signal, MouseButton button, int x,
                               int y)
{
    TestMouseEvent event(button, x, y, mouseModifiers);
    (m_mouseObservable.*notification)(event, *this);
    signal(event);
}

} // namespace test
} // namespace orvane
