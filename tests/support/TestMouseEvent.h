#ifndef ORVANE_TESTS_SUPPORT_TESTMOUSEEVENT_H
#define ORVANE_TESTS_SUPPORT_TESTMOUSEEVENT_H

#include "integration/MouseEventInterface.h"

namespace orvane {
namespace test {

// A host's own mouse event: the library makes its mouse events internally,
// so a host that reports mouse input implements the interface itself, with
// the modifiers its toolkit gives it.
class TestMouseEvent : public virtual sdk::integration::MouseEventInterface
{
public:
    TestMouseEvent(MouseButton_e button, int x, int y, int keyboardModifiers = 0)
        : m_button(button), m_x(x), m_y(y), m_keyboardModifiers(keyboardModifiers)
    {
    }

    int keyboardModifiers() const override { return m_keyboardModifiers; }
    bool isControlDown() const override { return (m_keyboardModifiers & KeyboardModifier_Control) != 0; }
    bool isShiftDown() const override { return (m_keyboardModifiers & KeyboardModifier_Shift) != 0; }
    bool isAltDown() const override { return (m_keyboardModifiers & KeyboardModifier_Alt) != 0; }
    MouseButton_e button() const override { return m_button; }
    int x() const override { return m_x; }
    int y() const override { return m_y; }
    MouseEventInterface* clone() const override { return new TestMouseEvent(*this); }

private:
    MouseButton_e m_button;
    int m_x;
    int m_y;
    int m_keyboardModifiers;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTMOUSEEVENT_H
