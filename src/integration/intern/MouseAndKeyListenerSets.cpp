#include "integration/intern/MouseAndKeyListenerSets.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

MouseAndKeyListenerSets::MouseAndKeyListenerSets() = default;

MouseAndKeyListenerSets::~MouseAndKeyListenerSets() = default;

void MouseAndKeyListenerSets::addMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseEventObservable.addMouseListener(listener);
}

void MouseAndKeyListenerSets::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseEventObservable.removeMouseListener(listener);
}

void MouseAndKeyListenerSets::addKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyEventObservable.addKeyboardListener(listener);
}

void MouseAndKeyListenerSets::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyEventObservable.removeKeyboardListener(listener);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
