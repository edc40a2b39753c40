#ifndef ORVANE_UTIL_TIMERLISTENERINTERFACE_H
#define ORVANE_UTIL_TIMERLISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace util {

class TimerInterface;

// Hears a timer's expiries.
class OVSDK_INTEGRATION_EXPORT TimerListenerInterface
{
public:
    // A listener, not owned by the timers it listens to.
    TimerListenerInterface() {}
    // Copies nothing: the interface has no state.
    TimerListenerInterface(const TimerListenerInterface&) {}
    // Copies nothing: the interface has no state.
    TimerListenerInterface& operator=(const TimerListenerInterface&) { return *this; }

    // The timer has fired.
    virtual void timerExpired(TimerInterface& timer) = 0;
    // Remove the listener from its timers before destroying it.
    virtual ~TimerListenerInterface();
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_TIMERLISTENERINTERFACE_H
