#ifndef ORVANE_INTEGRATION_INTERN_ONIDLEOBSERVABLE_H
#define ORVANE_INTEGRATION_INTERN_ONIDLEOBSERVABLE_H

#include "integration/OnIdleObservableInterface.h"
#include "util/Export.h"
#include "util/ListenerSet.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The idle listeners of an observable, called in the order they were added.
// The owner calls notifyOfIdle and then fires its own signal; the signal
// inherited here is never fired.
class OVSDK_INTEGRATION_EXPORT OnIdleObservable : public virtual OnIdleObservableInterface
{
public:
    // An empty list.
    OnIdleObservable();
    // Tells no listener.
    ~OnIdleObservable() override;

    // Adding a listener twice keeps it once, at its first place.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    void addOnIdleListener(OnIdleListenerInterface* listener) override;
    // Removes `listener`; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    void removeOnIdleListener(OnIdleListenerInterface* listener) override;

    // Tells every listener onIdle(source), in the order they were added.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    virtual void notifyOfIdle(OnIdleObservableInterface& source);

private:
    util::ListenerSet<OnIdleListenerInterface, util::ListenerOrder::ByRegistration> m_listeners;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_ONIDLEOBSERVABLE_H
