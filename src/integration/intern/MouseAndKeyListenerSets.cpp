#include "integration/intern/MouseAndKeyListenerSets.h"

#include "integration/MouseWheelEventInterface.h"
#include "integration/intern/KeyEvent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

MouseAndKeyListenerSets::MouseAndKeyListenerSets() = default;

MouseAndKeyListenerSets::~MouseAndKeyListenerSets() = default;

void MouseAndKeyListenerSets::addMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseEventObservable.addMouseListener(listener);
}

void MouseAndKeyListenerSets::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseEventObservable.removeMouseListener(listener);
}

void MouseAndKeyListenerSets::addKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyEventObservable.addKeyboardListener(listener);
}

void MouseAndKeyListenerSets::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyEventObservable.removeKeyboardListener(listener);
}

void MouseAndKeyListenerSets::reportMouse(MouseAction_e action, MouseEventInterface& event)
{
    switch (action)
    {
    case MouseAction_Moved:
        m_mouseEventObservable.notifyOfMouseMoved(event, *this);
        signalMouseMoved(event);
        break;
    case MouseAction_Pressed:
        m_mouseEventObservable.notifyOfButtonPressed(event, *this);
        signalButtonPressed(event);
        break;
    case MouseAction_DoublePressed:
        m_mouseEventObservable.notifyOfButtonDoublePressed(event, *this);
        signalButtonDoublePressed(event);
        break;
    case MouseAction_Released:
        m_mouseEventObservable.notifyOfButtonReleased(event, *this);
        signalButtonReleased(event);
        break;
    }
}

void MouseAndKeyListenerSets::reportKey(bool pressed, int hostKeyCode)
{
    KeyEvent event(this, hostKeyCode);
    if (pressed)
        m_keyEventObservable.notifyOfKeyPressed(event, *this);
    else
        m_keyEventObservable.notifyOfKeyReleased(event, *this);
}

void MouseAndKeyListenerSets::reportWheel(MouseWheelEventInterface& wheel)
{
    signalWheelRotated(wheel);
    if (wheel.orientation() != MouseWheelEventInterface::Orientation_Vertical || wheel.delta() == 0)
        return;
    const int zoomKey = wheel.delta() > 0 ? '+' : '-';
    reportKey(true, zoomKey);
    reportKey(false, zoomKey);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
