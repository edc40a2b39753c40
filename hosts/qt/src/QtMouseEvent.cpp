#include "QtMouseEvent.h"

namespace orvane {
namespace sdk {
namespace qthost {

QtMouseEvent::QtMouseEvent(MouseButton_e button, int x, int y, int keyboardModifiers)
    : m_button(button), m_x(x), m_y(y), m_keyboardModifiers(keyboardModifiers)
{
}

int QtMouseEvent::keyboardModifiers() const { return m_keyboardModifiers; }
bool QtMouseEvent::isControlDown() const { return (m_keyboardModifiers & KeyboardModifier_Control) != 0; }
bool QtMouseEvent::isShiftDown() const { return (m_keyboardModifiers & KeyboardModifier_Shift) != 0; }
bool QtMouseEvent::isAltDown() const { return (m_keyboardModifiers & KeyboardModifier_Alt) != 0; }
QtMouseEvent::MouseButton_e QtMouseEvent::button() const { return m_button; }
int QtMouseEvent::x() const { return m_x; }
int QtMouseEvent::y() const { return m_y; }
integration::MouseEventInterface* QtMouseEvent::clone() const { return new QtMouseEvent(*this); }

} // namespace qthost
} // namespace sdk
} // namespace orvane
