#include "integration/intern/KeyEventObservable.h"

#include "integration/KeyEventListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

KeyEventObservable::KeyEventObservable() = default;

KeyEventObservable::~KeyEventObservable() = default;

void KeyEventObservable::addKeyboardListener(KeyEventListenerInterface* listener)
{
    m_listeners.add(listener);
}

void KeyEventObservable::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_listeners.remove(listener);
}

void KeyEventObservable::notifyOfKeyPressed(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    m_listeners.notify([&](KeyEventListenerInterface& listener) { listener.keyPressed(event, source); });
}

void KeyEventObservable::notifyOfKeyReleased(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    m_listeners.notify([&](KeyEventListenerInterface& listener) { listener.keyReleased(event, source); });
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
