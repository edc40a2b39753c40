#ifndef ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H
#define ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H

#include "integration/MouseEventObservableInterface.h"
#include "util/ListenerSet.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// A ready-made set of mouse listeners, called in ascending pointer order. An
// object that implements MouseEventObservableInterface holds one, forwards
// its add and remove operations to it and calls notifyOf... with itself as
// `source`, then fires its own signal. The signals inherited here are never
// fired.
class OVSDK_INTEGRATION_EXPORT MouseEventObservable : public virtual MouseEventObservableInterface
{
public:
    // An empty set.
    MouseEventObservable();
    // Tells no listener.
    ~MouseEventObservable() override;

    // Adding a listener twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    void addMouseListener(MouseEventListenerInterface* listener) override;
    // Removes `listener`; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    void removeMouseListener(MouseEventListenerInterface* listener) override;

    // Tells every listener mouseMoved(event, source).
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    void notifyOfMouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source);
    // Tells every listener buttonPressed(event, source); see
    // notifyOfMouseMoved().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    void notifyOfButtonPressed(MouseEventInterface& event, MouseEventObservableInterface& source);
    // Tells every listener buttonDoublePressed(event, source); see
    // notifyOfMouseMoved().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    void notifyOfButtonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source);
    // Tells every listener buttonReleased(event, source); see
    // notifyOfMouseMoved().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    void notifyOfButtonReleased(MouseEventInterface& event, MouseEventObservableInterface& source);

private:
    typedef void (MouseEventListenerInterface::*ListenerOperation)(MouseEventInterface&,
                                                                   MouseEventObservableInterface&);

    void notify(ListenerOperation operation, MouseEventInterface& event, MouseEventObservableInterface& source);

    util::ListenerSet<MouseEventListenerInterface> m_listeners;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H
