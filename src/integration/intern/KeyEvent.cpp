#include "integration/intern/KeyEvent.h"

#include "integration/intern/CurrentKeyboard.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

KeyEvent::KeyEvent(KeyEventObservableInterface* source, int key)
    : m_source(source), m_key(CurrentKeyboard::engineKeyCode(key)), m_keyboardModifiers(CurrentKeyboard::modifiers())
{
}

KeyEvent::~KeyEvent() = default;

int KeyEvent::keyboardModifiers() const
{
    return m_keyboardModifiers;
}

bool KeyEvent::isControlDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Control) != 0;
}

bool KeyEvent::isShiftDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Shift) != 0;
}

bool KeyEvent::isAltDown() const
{
    return (m_keyboardModifiers & KeyboardModifier_Alt) != 0;
}

int KeyEvent::key() const
{
    return m_key;
}

KeyEventObservableInterface* KeyEvent::source() const
{
    return m_source;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
