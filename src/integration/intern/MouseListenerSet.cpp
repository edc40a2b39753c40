#include "integration/intern/MouseListenerSet.h"

#include "integration/MouseEventListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

void MouseListenerSet::addMouseListener(MouseEventListenerInterface* listener) { m_listeners.add(listener); }

void MouseListenerSet::removeMouseListener(MouseEventListenerInterface* listener) { m_listeners.remove(listener); }

void MouseListenerSet::notifyOfMouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::mouseMoved, event, source);
}

void MouseListenerSet::notifyOfButtonPressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::buttonPressed, event, source);
}

void MouseListenerSet::notifyOfButtonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::buttonDoublePressed, event, source);
}

void MouseListenerSet::notifyOfButtonReleased(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    notify(&MouseEventListenerInterface::buttonReleased, event, source);
}

void MouseListenerSet::notify(ListenerOperation operation, MouseEventInterface& event,
                              MouseEventObservableInterface& source)
{
    m_listeners.notify([&](MouseEventListenerInterface& listener) { (listener.*operation)(event, source); });
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
