// A mouse event of a Qt drawing area, as a value: button, position in
// device pixels and the modifier bits Qt reported with it.
#ifndef OVSDKQTHOST_QTMOUSEEVENT_H
#define OVSDKQTHOST_QTMOUSEEVENT_H

#include "integration/MouseEventInterface.h"

namespace orvane {
namespace sdk {
namespace qthost {

class QtMouseEvent : public virtual integration::MouseEventInterface
{
public:
    QtMouseEvent(MouseButton_e button, int x, int y, int keyboardModifiers);

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

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTMOUSEEVENT_H
