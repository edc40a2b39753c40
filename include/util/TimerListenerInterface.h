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
    //
    // @thread_safety Called on the thread of the host's native timer (the GUI
    // thread for the kits' timers).
    // @reentrancy The listener may stop or restart the timer and add or
    // remove listeners (an added one hears the next expiry).
    // @errors An exception ends the notification and passes on to the
    // native timer's code.
    virtual void timerExpired(TimerInterface& timer) = 0;
    // Remove the listener from its timers before destroying it.
    virtual ~TimerListenerInterface();
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_TIMERLISTENERINTERFACE_H
