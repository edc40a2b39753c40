#ifndef ORVANE_UTIL_TIMERABSTRACT_H
#define ORVANE_UTIL_TIMERABSTRACT_H

#include "util/ListenerSet.h"
#include "util/TimerInterface.h"
#include "util/TimerListenerInterface.h"

namespace orvane {
namespace sdk {
namespace util {

// The timer's bookkeeping; the host supplies the clock. A subclass starts and
// stops a native timer of its window system in internalStart/internalStop
// and calls internalTimeout() each time that native timer fires. The
// destructor does not stop the native timer: the subclass's destructor does.
class OVSDK_INTEGRATION_EXPORT TimerAbstract : public virtual TimerInterface
{
public:
    // A stopped timer (interval -1) with no listener.
    TimerAbstract();
    // Tells no listener and stops nothing: the subclass's destructor stops its
    // native timer.
    ~TimerAbstract() override;

    bool start(int interval) override;
    void stop() override;
    bool isRunning() override;
    int getInterval() override;
    void addListener(TimerListenerInterface* const listener) override;
    void removeListener(TimerListenerInterface* const listener) override;
    void timeout() override;

protected:
    // Starts the native timer so that it fires every `interval` (the unit is
    // the native timer's); true when it runs.
    virtual bool internalStart(int interval) = 0;
    // Stops the native timer; it must not fire afterwards.
    virtual void internalStop() = 0;

    // The host calls this when its native timer fires: timeout(), then the
    // listeners in ascending address order.
    void internalTimeout();

private:
    TimerAbstract(const TimerAbstract&) = delete;
    TimerAbstract& operator=(const TimerAbstract&) = delete;

    int m_interval;
    bool m_isRunning;
    ListenerSet<TimerListenerInterface> m_listeners;
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_TIMERABSTRACT_H
