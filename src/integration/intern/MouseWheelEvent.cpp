#include "integration/intern/MouseWheelEvent.h"

#include "integration/intern/CurrentKeyboard.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

MouseWheelEvent::MouseWheelEvent(int x, int y, int delta, bool button1Down, bool button2Down, bool button3Down,
                                 Orientation orientation)
    : m_x(x),
      m_y(y),
      m_delta(delta),
      m_button1Down(button1Down),
      m_button2Down(button2Down),
      m_button3Down(button3Down),
      m_orientation(orientation),
      m_keyboardModifiers(CurrentKeyboard::modifiers())
{
}

MouseWheelEvent::~MouseWheelEvent() = default;

int MouseWheelEvent::keyboardModifiers() const
{
    return m_keyboardModifiers;
}

bool MouseWheelEvent::isControlDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Control) != 0;
}

bool MouseWheelEvent::isShiftDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Shift) != 0;
}

bool MouseWheelEvent::isAltDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Alt) != 0;
}

bool MouseWheelEvent::wasMouseButtonDown(MouseEventInterface::MouseButton_e button) const
{
    switch (button)
    {
    case MouseEventInterface::MouseButton_1:
        return m_button1Down;
    case MouseEventInterface::MouseButton_2:
        return m_button2Down;
    case MouseEventInterface::MouseButton_3:
        return m_button3Down;
    default:
        return false;
    }
}

int MouseWheelEvent::x() const
{
    return m_x;
}

int MouseWheelEvent::y() const
{
    return m_y;
}

int MouseWheelEvent::delta() const
{
    return m_delta;
}

MouseWheelEventInterface::Orientation MouseWheelEvent::orientation() const
{
    return m_orientation;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
