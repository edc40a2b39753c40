#include "integration/intern/MouseEvent.h"

#include "integration/intern/CurrentKeyboard.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

MouseEvent::MouseEvent(MouseEventObservableInterface* source, MouseButton_e button, int x, int y)
    : m_source(source), m_button(button), m_x(x), m_y(y), m_keyboardModifiers(CurrentKeyboard::modifiers())
{
}

MouseEvent::MouseEvent(MouseEventObservableInterface* source, MouseButton_e button, int x, int y,
                       int keyboardModifiers)
    : m_source(source), m_button(button), m_x(x), m_y(y), m_keyboardModifiers(keyboardModifiers)
{
}

MouseEvent::~MouseEvent() = default;

int MouseEvent::keyboardModifiers() const
{
    return m_keyboardModifiers;
}

bool MouseEvent::isControlDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Control) != 0;
}

bool MouseEvent::isShiftDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Shift) != 0;
}

bool MouseEvent::isAltDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Alt) != 0;
}

MouseEventInterface::MouseButton_e MouseEvent::button() const
{
    return m_button;
}

int MouseEvent::x() const
{
    return m_x;
}

int MouseEvent::y() const
{
    return m_y;
}

MouseEventInterface* MouseEvent::clone() const
{
    return new MouseEvent(*this);
}

MouseEventObservableInterface* MouseEvent::source() const
{
    return m_source;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
