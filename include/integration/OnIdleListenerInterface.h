#ifndef ORVANE_INTEGRATION_ONIDLELISTENERINTERFACE_H
#define ORVANE_INTEGRATION_ONIDLELISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class OnIdleObservableInterface;

// Hears the idle time reported by an OnIdleObservableInterface.
class OVSDK_INTEGRATION_EXPORT OnIdleListenerInterface
{
public:
    // The host is idle; `source` is the observable that says so.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy The listener may remove itself or add others (they hear the
    // next idle time); see `docs/host-guide.md#busy-passes-and-idle-time`.
    // @errors An exception ends the notification and passes on to the code
    // that reported idle time.
    virtual void onIdle(OnIdleObservableInterface& source) = 0;
    // Remove the listener from its observables before destroying it.
    virtual ~OnIdleListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_ONIDLELISTENERINTERFACE_H
