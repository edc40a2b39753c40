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
    typedef boost::signals2::signal<void()> OnIdleSignal;

    OnIdleSignal signalOnIdle;

    boost::signals2::connection connectOnIdle(const OnIdleSignal::slot_type& slot);

private:
    // Called after every connection to signalOnIdle.
    virtual void signalOnIdleConnected() const;

public:
    // Listeners are not owned and must not be null.
    virtual void addOnIdleListener(OnIdleListenerInterface* listener) = 0;
    virtual void removeOnIdleListener(OnIdleListenerInterface* listener) = 0;
    virtual ~OnIdleObservableInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_ONIDLEOBSERVABLEINTERFACE_H
