#ifndef ORVANE_INTEGRATION_INTERN_KEYEVENTOBSERVABLE_H
#define ORVANE_INTEGRATION_INTERN_KEYEVENTOBSERVABLE_H

#include "integration/KeyEventObservableInterface.h"
#include "util/ListenerSet.h"

namespace orvane {
namespace sdk {
namespace integration {

class KeyEventInterface;

namespace intern {

// A ready-made set of key listeners, called in ascending pointer order. An
// object that implements KeyEventObservableInterface holds one, forwards its
// add and remove operations to it and calls notifyOf... with itself as
// `source`.
class OVSDK_INTEGRATION_EXPORT KeyEventObservable : public virtual KeyEventObservableInterface
{
public:
    // An empty set.
    KeyEventObservable();
    // Tells no listener.
    ~KeyEventObservable() override;

    // Adding a listener twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    void addKeyboardListener(KeyEventListenerInterface* listener) override;
    // Removes `listener`; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    void removeKeyboardListener(KeyEventListenerInterface* listener) override;

    // Tells every listener keyPressed(event, source).
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    void notifyOfKeyPressed(KeyEventInterface& event, KeyEventObservableInterface& source);
    // Tells every listener keyReleased(event, source); see notifyOfKeyPressed().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    void notifyOfKeyReleased(KeyEventInterface& event, KeyEventObservableInterface& source);

private:
    util::ListenerSet<KeyEventListenerInterface> m_listeners;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_KEYEVENTOBSERVABLE_H
