#ifndef ORVANE_INTEGRATION_INTERN_MOUSELISTENERSET_H
#define ORVANE_INTEGRATION_INTERN_MOUSELISTENERSET_H

#include "integration/MouseEventInterface.h"
#include "util/Export.h"
#include "util/ListenerSet.h"

namespace orvane {
namespace sdk {
namespace integration {

class MouseEventListenerInterface;
class MouseEventObservableInterface;

namespace intern {

// The mouse listeners of an observable, called in ascending pointer order,
// and nothing else: the object that holds one implements
// MouseEventObservableInterface (and so has its signals) itself, forwards
// its add and remove operations here and calls notifyOf... with itself as
// `source`. Unlike a MouseEventObservable it costs no signals of its own.
class OVSDK_INTEGRATION_EXPORT MouseListenerSet
{
public:
    // Adding a listener twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    void addMouseListener(MouseEventListenerInterface* listener);
    // Removes `listener`; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    void removeMouseListener(MouseEventListenerInterface* listener);

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
    void notifyOfButtonPressed(MouseEventInterface& event, MouseEventObservableInterface& source);
    // Tells every listener buttonDoublePressed(event, source); see
    // notifyOfMouseMoved().
    void notifyOfButtonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source);
    // Tells every listener buttonReleased(event, source); see
    // notifyOfMouseMoved().
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

#endif // ORVANE_INTEGRATION_INTERN_MOUSELISTENERSET_H
