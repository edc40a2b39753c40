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
    TimerInterface() {}
    TimerInterface(const TimerInterface&) {}
    TimerInterface& operator=(const TimerInterface&) { return *this; }

    // Starts (or restarts) the timer; true on success.
    virtual bool start(int interval) = 0;
    virtual void stop() = 0;
    virtual void addListener(TimerListenerInterface* const listener) = 0;
    virtual void removeListener(TimerListenerInterface* const listener) = 0;
    // The interval of the running timer, -1 when stopped.
    virtual int getInterval() = 0;
    virtual bool isRunning() = 0;
    virtual ~TimerInterface();
    // Runs at every expiry, before the listeners are told.
    virtual void timeout() = 0;
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_TIMERINTERFACE_H
