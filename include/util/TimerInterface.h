#ifndef ORVANE_UTIL_TIMERINTERFACE_H
#define ORVANE_UTIL_TIMERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace util {

class TimerListenerInterface;

// An interval timer with listeners.
class OVSDK_INTEGRATION_EXPORT TimerInterface
{
public:
    // A stopped timer.
    TimerInterface() {}
    // Copies nothing: the interface has no state.
    TimerInterface(const TimerInterface&) {}
    // Copies nothing: the interface has no state.
    TimerInterface& operator=(const TimerInterface&) { return *this; }

    // Starts (or restarts) the timer; true on success.
    //
    // @thread_safety The thread of the host's native timer (the GUI thread
    // for the kits' timers); not checked.
    // @reentrancy May be called from a listener or from timeout().
    virtual bool start(int interval) = 0;
    // Stops the timer; no listener hears it again until the next start().
    //
    // @thread_safety The thread of the host's native timer; not checked.
    // @reentrancy May be called from a listener or from timeout().
    virtual void stop() = 0;
    // Adds a listener, not owned; adding one twice or a null one does nothing.
    //
    // @thread_safety The thread of the host's native timer; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // expiry.
    virtual void addListener(TimerListenerInterface* const listener) = 0;
    // Removes a listener; an unknown one is ignored.
    //
    // @thread_safety The thread of the host's native timer; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the expiry under way.
    virtual void removeListener(TimerListenerInterface* const listener) = 0;
    // The interval of the running timer, -1 when stopped.
    virtual int getInterval() = 0;
    // Whether the timer runs: started successfully and not stopped.
    virtual bool isRunning() = 0;
    // Does not stop a native timer: TimerAbstract's subclass does.
    virtual ~TimerInterface();
    // Runs at every expiry, before the listeners are told.
    virtual void timeout() = 0;
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_TIMERINTERFACE_H
