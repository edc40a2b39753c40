#include "integration/intern/MouseEventObservable.h"

#include "integration/MouseEventListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

MouseEventObservable::MouseEventObservable() = default;

MouseEventObservable::~MouseEventObservable() = default;

void MouseEventObservable::addMouseListener(MouseEventListenerInterface* listener)
{
    m_listeners.add(listener);
}

void MouseEventObservable::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_listeners.remove(listener);
}

void MouseEventObservable::notifyOfMouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::mouseMoved, event, source);
}

void MouseEventObservable::notifyOfButtonPressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::buttonPressed, event, source);
}

void MouseEventObservable::notifyOfButtonDoublePressed(MouseEventInterface& event,
                                                       MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::buttonDoublePressed, event, source);
}

void MouseEventObservable::notifyOfButtonReleased(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::buttonReleased, event, source);
}

void MouseEventObservable::notify(ListenerOperation operation, MouseEventInterface& event,
                                  MouseEventObservableInterface& source)
{
    m_listeners.notify([&](MouseEventListenerInterface& listener) { (listener.*operation)(event, source); });
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
