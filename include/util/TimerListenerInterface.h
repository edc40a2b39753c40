#ifndef ORVANE_UTIL_TIMERLISTENERINTERFACE_H
#define ORVANE_UTIL_TIMERLISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace util {

class TimerInterface;

class OVSDK_INTEGRATION_EXPORT TimerListenerInterface
{
public:
    TimerListenerInterface() {}
    TimerListenerInterface(const TimerListenerInterface&) {}
    TimerListenerInterface& operator=(const TimerListenerInterface&) { return *this; }

    // The timer has fired.
    virtual void timerExpired(TimerInterface& timer) = 0;
    virtual ~TimerListenerInterface();
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_TIMERLISTENERINTERFACE_H
