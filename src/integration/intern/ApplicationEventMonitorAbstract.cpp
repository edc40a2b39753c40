#include "integration/intern/ApplicationEventMonitorAbstract.h"

#include "integration/KeyEventInterface.h"
#include "integration/ManagerInterface.h"
#include "integration/StopButtonInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/Precondition.h"
#include "integration/intern/TraceRecorder.h"
#include "ovsdkbase.h"
#include "ovsdkcommon/AppLock.h"
#include "util/ScopedExitAction.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

const int EscapeKey = 27;

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
    OrvEngProcessBusyEventsRegisterCallback(&ApplicationEventMonitorAbstract::staticProcessBusyEventsCallback,
                                            static_cast<long long>(*this));
}

ApplicationEventMonitorAbstract::~ApplicationEventMonitorAbstract()
{
    // First of all, no manager signal may reach a monitor being destroyed.
    m_signalConnections.disconnectAll();
}

ApplicationEventMonitorAbstract::operator long long() const { return reinterpret_cast<long long>(this); }

// --- engine state -------------------------------------------------------------

bool ApplicationEventMonitorAbstract::isBusy() const
{
    const TraceEngineCall call("OrvUtilIsBusy");
    return OrvUtilIsBusy() == TRUE;
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
    const TraceSpan span("request", "interrupt");
    const TraceAppLock traceLock(AppLock::ImplicitMacroRecording_On);
    const AppLock lock(AppLock::ImplicitMacroRecording_On);
    {
        const TraceEngineCall call("OrvUtilInterrupt");
        OrvUtilInterrupt();
    }
    const TraceSpan host("host", "engineInterrupted");
    engineInterrupted();
}

void ApplicationEventMonitorAbstract::staticProcessBusyEventsCallback(long long clientData)
{
    reinterpret_cast<ApplicationEventMonitorAbstract*>(clientData)->processWhileBusyCallback();
}

void ApplicationEventMonitorAbstract::processWhileBusyCallback()
{
    DiagnosticReporter::checkThreadIfChecked("The engine's busy-events callback");
    const TraceSpan span("callback", "busyEvents");
    if (m_engineIsShuttingDown)
        return;
    // A pass may run inside another (a redraw the host asks for there
    // draws with busy passes of its own): the outer one is still under way
    // when the inner one ends.
    const bool outerPass = m_processingBusyEvents;
    m_processingBusyEvents = true;
    const ScopedExitAction leaveBusyPass([this, outerPass] { m_processingBusyEvents = outerPass; });
    const TraceSpan pass("pass", "busy pass");
    processPendingEvents();
    // An interrupt counts until the end of the pass in which it was issued.
    m_interruptIssued = false;
}

void ApplicationEventMonitorAbstract::setEngineIsShuttingDown() { m_engineIsShuttingDown = true; }

// --- stop buttons -------------------------------------------------------------

void ApplicationEventMonitorAbstract::registerStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton)
{
    if (refuseNull(stopButton, "((stopButton) != 0)", "Invalid stop button",
                   "ApplicationEventMonitorAbstract::registerStopButton"))
        return;
    m_stopButtons.insert(stopButton);
}

void ApplicationEventMonitorAbstract::unRegisterStopButton(
    const boost::shared_ptr<const StopButtonInterface>& stopButton)
{
    m_stopButtons.erase(stopButton);
}

bool ApplicationEventMonitorAbstract::areStopButtonsActive() const
{
    for (const boost::shared_ptr<const StopButtonInterface>& button : m_stopButtons)
        if (button->isActive())
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
    notifyOfMouse(&MouseEventObservable::notifyOfMouseMoved, signalMouseMoved, event);
}

void ApplicationEventMonitorAbstract::notifyOfButtonPressed(MouseEventInterface& event)
{
    notifyOfMouse(&MouseEventObservable::notifyOfButtonPressed, signalButtonPressed, event);
}

void ApplicationEventMonitorAbstract::notifyOfButtonDoublePressed(MouseEventInterface& event)
{
    notifyOfMouse(&MouseEventObservable::notifyOfButtonDoublePressed, signalButtonDoublePressed, event);
}

void ApplicationEventMonitorAbstract::notifyOfButtonReleased(MouseEventInterface& event)
{
    notifyOfMouse(&MouseEventObservable::notifyOfButtonReleased, signalButtonReleased, event);
}

void ApplicationEventMonitorAbstract::notifyOfKeyPressed(KeyEventInterface& event)
{
    if (m_engineIsShuttingDown)
        return;
    const ScopedExitAction endDelivery([this] { m_escapeKeyBeingDelivered = false; });
    if (event.key() == EscapeKey)
        m_escapeKeyBeingDelivered = true;
    m_keyEventObservable.notifyOfKeyPressed(event, *this);
}

void ApplicationEventMonitorAbstract::notifyOfKeyReleased(KeyEventInterface& event)
{
    if (m_engineIsShuttingDown)
        return;
    m_keyEventObservable.notifyOfKeyReleased(event, *this);
}

void ApplicationEventMonitorAbstract::notifyOfIdle(OnIdleObservableInterface& source)
{
    DiagnosticReporter::checkThreadIfChecked("ApplicationEventMonitorAbstract::notifyOfIdle()");
    if (m_engineIsShuttingDown)
        return;
    m_onIdleObservable.notifyOfIdle(source);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
