#ifndef ORVANE_INTEGRATION_INTERN_MOUSEWHEELEVENT_H
#define ORVANE_INTEGRATION_INTERN_MOUSEWHEELEVENT_H

#include "integration/MouseWheelEventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// A wheel rotation as a value. The modifiers are read from the current
// miscellaneous-queries service once, at construction (no current service:
// no modifiers).
class OVSDK_INTEGRATION_EXPORT MouseWheelEvent : public virtual MouseWheelEventInterface
{
public:
    // A rotation by `delta` at (x, y), with the buttons held then.
    MouseWheelEvent(int x, int y, int delta, bool button1Down, bool button2Down, bool button3Down,
                    Orientation orientation);
    // Destroys the value.
    ~MouseWheelEvent() override;

    int keyboardModifiers() const override;
    bool isControlDown() const override;
    bool isShiftDown() const override;
    bool isAltDown() const override;
    bool wasMouseButtonDown(MouseEventInterface::MouseButton_e button) const override;
    int x() const override;
    int y() const override;
    int delta() const override;
    Orientation orientation() const override;

private:
    int m_x;
    int m_y;
    int m_delta;
    bool m_button1Down;
    bool m_button2Down;
    bool m_button3Down;
    Orientation m_orientation;
    int m_keyboardModifiers;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_MOUSEWHEELEVENT_H
