#ifndef ORVANE_INTEGRATION_ONIDLEOBSERVABLEINTERFACE_H
#define ORVANE_INTEGRATION_ONIDLEOBSERVABLEINTERFACE_H

#include "util/Export.h"

#include <boost/signals2/signal.hpp>

namespace orvane {
namespace sdk {
namespace integration {

class OnIdleListenerInterface;

// A source of idle-time notifications: listeners, told in the order they
// were added, and a signal fired after them.
class OVSDK_INTEGRATION_EXPORT OnIdleObservableInterface
{
public:
    // The signal of idle time.
    typedef boost::signals2::signal<void()> OnIdleSignal;

    // The host is idle (after the listeners' onIdle).
    OnIdleSignal signalOnIdle;

    // Connects `slot` at the back of signalOnIdle, then calls
    // signalOnIdleConnected().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectOnIdle(const OnIdleSignal::slot_type& slot);

private:
    // Called after every connection to signalOnIdle.
    virtual void signalOnIdleConnected() const;

public:
    // Listeners are not owned and must not be null.
    // Adds `listener` at the end of the order; adding one twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // idle time.
    virtual void addOnIdleListener(OnIdleListenerInterface* listener) = 0;
    // Stops `listener` hearing idle time; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    virtual void removeOnIdleListener(OnIdleListenerInterface* listener) = 0;
    // Listeners are not told that their observable goes.
    virtual ~OnIdleObservableInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_ONIDLEOBSERVABLEINTERFACE_H
