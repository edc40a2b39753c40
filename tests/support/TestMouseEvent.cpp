#include "support/TestMouseEvent.h"

namespace orvane {
namespace test {

TestMouseEvent::TestMouseEvent(MouseButton_e button, int x, int y, int keyboardModifiers)
    : m_button(button), m_x(x), m_y(y), m_keyboardModifiers(keyboardModifiers)
{
}

int TestMouseEvent::keyboardModifiers() const
{
    return m_keyboardModifiers;
}

bool TestMouseEvent::isControlDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Control) != 0;
}

bool TestMouseEvent::isShiftDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Shift) != 0;
}

bool TestMouseEvent::isAltDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Alt) != 0;
}

sdk::integration::MouseEventInterface::MouseButton_e TestMouseEvent::button() const
{
    return m_button;
}

int TestMouseEvent::x() const
{
    return m_x;
}

int TestMouseEvent::y() const
{
    return m_y;
}

sdk::integration::MouseEventInterface* TestMouseEvent::clone() const
{
    return new TestMouseEvent(*this);
}

} // namespace test
} // namespace orvane
