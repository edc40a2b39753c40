#include "integration/intern/ApplicationEventMonitorAbstract.h"

#include "integration/KeyEventInterface.h"
#include "integration/ManagerInterface.h"
#include "integration/StopButtonInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/Precondition.h"
#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/intern/boundary/HostCalls.h"
#include "integration/intern/boundary/TraceEvents.h"
#include "util/ScopedExitAction.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

const int EscapeKey = 27;

// The monitor the engine's busy callback names: the latest one constructed,
// until it is destroyed. A busy pass naming another one (a host that made a
// second monitor and destroyed it while the engine runs) is ignored instead
// of followed into freed memory. Read and written on the GUI thread only.
const ApplicationEventMonitorAbstract* s_registeredMonitor = nullptr;

} // namespace

ApplicationEventMonitorAbstract::ApplicationEventMonitorAbstract(ManagerInterface& manager)
    : m_interruptDeferred(false),
      m_manager(&manager),
      m_interruptIssued(false),
      m_engineIsShuttingDown(false),
      m_processingBusyEvents(false),
      m_escapeKeyBeingDelivered(false)
{
    m_signalConnections.add(m_manager->connectEngineShutdownInitiated([this] { setEngineIsShuttingDown(); }));
    m_signalConnections.add(m_manager->connectEngineShutdownFinished(
        [this] { static_cast<ApplicationEventMonitorInterface*>(this)->stopMonitoring(); }));
    engine::OrvEngProcessBusyEventsRegisterCallback(
        &callbacks::processBusyEvents<&ApplicationEventMonitorAbstract::staticProcessBusyEventsCallback>,
        static_cast<long long>(*this));
    s_registeredMonitor = this;
}

ApplicationEventMonitorAbstract::~ApplicationEventMonitorAbstract()
{
    // First of all, no manager signal may reach a monitor being destroyed.
    m_signalConnections.disconnectAll();
    if (s_registeredMonitor == this)
        s_registeredMonitor = nullptr;
    traceGone(this);
}

ApplicationEventMonitorAbstract::operator long long() const { return reinterpret_cast<long long>(this); }

// --- engine state -------------------------------------------------------------

bool ApplicationEventMonitorAbstract::isBusy() const
{
    return engine::OrvUtilIsBusy() == TRUE;
}

bool ApplicationEventMonitorAbstract::shouldInterrupt() { return m_interruptIssued; }

bool ApplicationEventMonitorAbstract::isEngineInterruptible() const { return m_processingBusyEvents; }

void ApplicationEventMonitorAbstract::interrupt()
{
    if (areStopButtonsActive() && !m_escapeKeyBeingDelivered)
    {
        m_interruptDeferred = true;
        return;
    }
    m_interruptIssued = true;
    const RequestScope request("interrupt", nullptr);
    const engine::AppLock lock(AppLock::ImplicitMacroRecording_On);
    engine::OrvUtilInterrupt();
    host::call("engineInterrupted", [this] { engineInterrupted(); });
}

void ApplicationEventMonitorAbstract::staticProcessBusyEventsCallback(long long clientData)
{
    auto* monitor = reinterpret_cast<ApplicationEventMonitorAbstract*>(clientData);
    if (monitor != s_registeredMonitor)
        return DiagnosticReporter::report(DiagnosticReporter::Kind_StaleMonitor,
                                          "The engine's busy pass names an application event monitor that was "
                                          "destroyed; it is ignored (keep the monitor alive while the engine runs)");
    monitor->processWhileBusyCallback();
}

void ApplicationEventMonitorAbstract::processWhileBusyCallback()
{
    if (m_engineIsShuttingDown)
        return;
    // A pass may run inside another (a redraw the host asks for there
    // draws with busy passes of its own): the outer one is still under way
    // when the inner one ends.
    const bool outerPass = m_processingBusyEvents;
    m_processingBusyEvents = true;
    const ScopedExitAction leaveBusyPass([this, outerPass] { m_processingBusyEvents = outerPass; });
    const PassScope pass("busy pass");
    processPendingEvents();
    // An interrupt counts until the end of the pass in which it was issued.
    m_interruptIssued = false;
}

void ApplicationEventMonitorAbstract::setEngineIsShuttingDown() { m_engineIsShuttingDown = true; }

// --- stop buttons -------------------------------------------------------------

void ApplicationEventMonitorAbstract::registerStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton)
{
    const HostReportScope report("registerStopButton", "button", stopButton.get());
    if (refuseNullAtAnyTime(stopButton, "((stopButton) != 0)", "Invalid stop button",
                   "ApplicationEventMonitorAbstract::registerStopButton"))
        return;
    m_stopButtons.insert(stopButton);
}

void ApplicationEventMonitorAbstract::unRegisterStopButton(
    const boost::shared_ptr<const StopButtonInterface>& stopButton)
{
    const HostReportScope report("unRegisterStopButton", "button", stopButton.get());
    m_stopButtons.erase(stopButton);
}

bool ApplicationEventMonitorAbstract::areStopButtonsActive() const
{
    for (const boost::shared_ptr<const StopButtonInterface>& button : m_stopButtons)
        if (host::isActive(*button))
            return true;
    return false;
}

bool ApplicationEventMonitorAbstract::isStopButton(const void* widget) const
{
    for (const boost::shared_ptr<const StopButtonInterface>& button : m_stopButtons)
        if (button->isWidget(widget))
            return true;
    return false;
}

// --- host input ---------------------------------------------------------------

void ApplicationEventMonitorAbstract::notifyOfMouse(MouseNotification notification, MouseEventSignal& signal,
                                                    MouseEventInterface& event)
{
    if (m_engineIsShuttingDown)
        return;
    (m_mouseEventObservable.*notification)(event, *this);
    signal(event);
}

void ApplicationEventMonitorAbstract::notifyOfMouseMoved(MouseEventInterface& event)
{
    const HostReportScope report("notifyOfMouseMoved", event);
    notifyOfMouse(&MouseListenerSet::notifyOfMouseMoved, signalMouseMoved, event);
}

void ApplicationEventMonitorAbstract::notifyOfButtonPressed(MouseEventInterface& event)
{
    const HostReportScope report("notifyOfButtonPressed", event);
    notifyOfMouse(&MouseListenerSet::notifyOfButtonPressed, signalButtonPressed, event);
}

void ApplicationEventMonitorAbstract::notifyOfButtonDoublePressed(MouseEventInterface& event)
{
    const HostReportScope report("notifyOfButtonDoublePressed", event);
    notifyOfMouse(&MouseListenerSet::notifyOfButtonDoublePressed, signalButtonDoublePressed, event);
}

void ApplicationEventMonitorAbstract::notifyOfButtonReleased(MouseEventInterface& event)
{
    const HostReportScope report("notifyOfButtonReleased", event);
    notifyOfMouse(&MouseListenerSet::notifyOfButtonReleased, signalButtonReleased, event);
}

void ApplicationEventMonitorAbstract::notifyOfKeyPressed(KeyEventInterface& event)
{
    const HostReportScope report("notifyOfKeyPressed", event);
    if (m_engineIsShuttingDown)
        return;
    const ScopedExitAction endDelivery([this] { m_escapeKeyBeingDelivered = false; });
    if (event.key() == EscapeKey)
        m_escapeKeyBeingDelivered = true;
    m_keyEventObservable.notifyOfKeyPressed(event, *this);
}

void ApplicationEventMonitorAbstract::notifyOfKeyReleased(KeyEventInterface& event)
{
    const HostReportScope report("notifyOfKeyReleased", event);
    if (m_engineIsShuttingDown)
        return;
    m_keyEventObservable.notifyOfKeyReleased(event, *this);
}

void ApplicationEventMonitorAbstract::notifyOfIdle(OnIdleObservableInterface& source)
{
    DiagnosticReporter::checkThreadIfChecked("ApplicationEventMonitorAbstract::notifyOfIdle()");
    const HostReportScope report("notifyOfIdle");
    if (m_engineIsShuttingDown)
        return;
    m_onIdleObservable.notifyOfIdle(source);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
