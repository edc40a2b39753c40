#include "integration/intern/InputListenerSets.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

InputListenerSets::InputListenerSets() = default;

InputListenerSets::~InputListenerSets() = default;

void InputListenerSets::addMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseEventObservable.addMouseListener(listener);
}

void InputListenerSets::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseEventObservable.removeMouseListener(listener);
}

void InputListenerSets::addKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyEventObservable.addKeyboardListener(listener);
}

void InputListenerSets::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyEventObservable.removeKeyboardListener(listener);
}

void InputListenerSets::addOnIdleListener(OnIdleListenerInterface* listener)
{
    m_onIdleObservable.addOnIdleListener(listener);
}

void InputListenerSets::removeOnIdleListener(OnIdleListenerInterface* listener)
{
    m_onIdleObservable.removeOnIdleListener(listener);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
