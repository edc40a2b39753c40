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
    TestMouseEvent(MouseButton_e button, int x, int y, int keyboardModifiers = 0);

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

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTMOUSEEVENT_H
