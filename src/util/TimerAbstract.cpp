#include "util/TimerAbstract.h"

namespace orvane {
namespace sdk {
namespace util {

TimerInterface::~TimerInterface() = default;
TimerListenerInterface::~TimerListenerInterface() = default;

TimerAbstract::TimerAbstract() : m_interval(-1), m_isRunning(false) {}

TimerAbstract::~TimerAbstract() = default;

bool TimerAbstract::start(int interval)
{
    if (m_isRunning)
        stop();
    const bool ok = internalStart(interval);
    m_isRunning = ok;
    if (ok)
        m_interval = interval;
    return ok;
}

void TimerAbstract::stop()
{
    internalStop();
    m_interval = -1;
    m_isRunning = false;
}

bool TimerAbstract::isRunning() { return m_isRunning; }

int TimerAbstract::getInterval() { return m_interval; }

void TimerAbstract::addListener(TimerListenerInterface* const listener) { m_listeners.add(listener); }

void TimerAbstract::removeListener(TimerListenerInterface* const listener) { m_listeners.remove(listener); }

void TimerAbstract::timeout() {}

void TimerAbstract::internalTimeout()
{
    timeout();
    m_listeners.notify([this](TimerListenerInterface& listener) { listener.timerExpired(*this); });
}

} // namespace util
} // namespace sdk
} // namespace orvane
