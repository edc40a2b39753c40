#include "integration/intern/EventLoopMonitorAbstract.h"

#include "integration/intern/KeyEvent.h"
#include "util/ScopedExitAction.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

EventLoopMonitorAbstract::EventLoopMonitorAbstract(ManagerInterface& manager)
    : ApplicationEventMonitorAbstract(manager),
      m_monitoring(true),
      m_inBusyPass(false),
      m_reportingIdle(false),
      m_engineWasBusy(false)
{
}

EventLoopMonitorAbstract::~EventLoopMonitorAbstract() = default;

void EventLoopMonitorAbstract::processPendingEvents()
{
    m_engineWasBusy = true;
    const bool outerPass = m_inBusyPass;
    m_inBusyPass = true;
    const ScopedExitAction endOfPass([this, outerPass] { m_inBusyPass = outerPass; });
    try
    {
        processLoopEvents();
    }
    catch (...)
    {
    }
}

bool EventLoopMonitorAbstract::stopMonitoring()
{
    if (m_monitoring)
    {
        m_monitoring = false;
        stopObserving();
    }
    return true;
}

void EventLoopMonitorAbstract::reportIdle()
{
    if (!m_monitoring || m_inBusyPass || m_reportingIdle || isBusy())
        return;
    m_reportingIdle = true;
    const ScopedExitAction endOfIdle([this] { m_reportingIdle = false; });
    if (m_engineWasBusy)
    {
        m_engineWasBusy = false;
        signalEngineIsNoLongerBusy();
    }
    notifyOfIdle(*this);
}

void EventLoopMonitorAbstract::reportMouse(MouseAction_e action, MouseEventInterface& event)
{
    switch (action)
    {
    case MouseAction_Moved: notifyOfMouseMoved(event); break;
    case MouseAction_Pressed:
        signalMouseButtonStateChanged(event.button(), true);
        notifyOfButtonPressed(event);
        break;
    case MouseAction_DoublePressed: notifyOfButtonDoublePressed(event); break;
    case MouseAction_Released:
        signalMouseButtonStateChanged(event.button(), false);
        notifyOfButtonReleased(event);
        break;
    }
}

void EventLoopMonitorAbstract::reportKey(bool pressed, int hostKeyCode)
{
    KeyEvent event(this, hostKeyCode);
    if (pressed)
        notifyOfKeyPressed(event);
    else
        notifyOfKeyReleased(event);
}

void EventLoopMonitorAbstract::reportStopButtonClick()
{
    const int escapeKey = 27;
    reportKey(true, escapeKey);
}

bool EventLoopMonitorAbstract::interruptDeferred() const { return m_interruptDeferred; }

bool EventLoopMonitorAbstract::isMonitoring() const { return m_monitoring; }

bool EventLoopMonitorAbstract::isInBusyPass() const { return m_inBusyPass; }

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
