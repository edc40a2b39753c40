#ifndef ORVANE_INTEGRATION_INTERN_INPUTLISTENERSETS_H
#define ORVANE_INTEGRATION_INTERN_INPUTLISTENERSETS_H

#include "integration/OnIdleObservableInterface.h"
#include "integration/intern/MouseAndKeyListenerSets.h"
#include "integration/intern/OnIdleObservable.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The mouse, key and idle listeners of an object that is all three
// observables (the application event monitor, the event manager): the add
// and remove operations go to the ready-made sets below, which the object
// notifies when it has something to report.
class OVSDK_INTEGRATION_EXPORT InputListenerSets : public MouseAndKeyListenerSets,
                                                   public virtual OnIdleObservableInterface
{
public:
    // Adds `listener`, not owned.
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

protected:
    // Empty sets.
    InputListenerSets();
    // Tells no listener.
    ~InputListenerSets() override;

    // The idle listeners, in the order they were added.
    OnIdleObservable m_onIdleObservable;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_INPUTLISTENERSETS_H
