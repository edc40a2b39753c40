#include "integration/intern/InterruptProcessor.h"

#include "integration/intern/boundary/HostCalls.h"
#include "integration/intern/boundary/TraceEvents.h"

#include "integration/services/ManagerMiscServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

typedef MouseEventInterface::MouseButton_e MouseButton;

// --- listeners --------------------------------------------------------------

InterruptProcessor::MouseEventListener::MouseEventListener(InterruptProcessor& owner) : m_owner(&owner)
{
    m_owner->m_signalConnections.add(
        m_owner->m_monitor->connectWheelRotated([this](MouseWheelEventInterface& event) { wheelRotated(event); }));
}

void InterruptProcessor::MouseEventListener::mouseMoved(MouseEventInterface&, MouseEventObservableInterface&)
{
    // The event's own button is not used: what counts is whether any button
    // is down now.
    const bool buttonDown = m_owner->isAnyMouseButtonDown();
    if (m_owner->isInterruptible() && !m_owner->m_workAreaButtonHeld && buttonDown)
        m_owner->interruptEngine();
}

void InterruptProcessor::MouseEventListener::wheelRotated(MouseWheelEventInterface&)
{
    const HostReportScope report("wheelRotated");
    if (m_owner->isInterruptible() && !m_owner->m_workAreaButtonHeld)
        m_owner->interruptEngine();
}

void InterruptProcessor::MouseEventListener::buttonPressed(MouseEventInterface& event, MouseEventObservableInterface&)
{
    if (m_owner->isInterruptible())
    {
        m_owner->interruptEngine();
        return;
    }
    if (!m_owner->m_workAreaButtonHeld)
        m_owner->trackPressWhileIdle(event.button());
}

void InterruptProcessor::MouseEventListener::buttonDoublePressed(MouseEventInterface& event,
                                                                 MouseEventObservableInterface&)
{
    if (m_owner->m_workAreaButtonHeld)
        return;
    if (m_owner->isInterruptible())
    {
        m_owner->interruptEngine();
        return;
    }
    m_owner->trackPressWhileIdle(event.button());
}

void InterruptProcessor::MouseEventListener::buttonReleased(MouseEventInterface& event, MouseEventObservableInterface&)
{
    InterruptProcessor& owner = *m_owner;
    if (!owner.m_monitor->isBusy())
        owner.m_releasedWhileIdle = true;

    if (owner.isInterruptible() && owner.m_lastReceiverInfo.allowsInterrupt)
    {
        // The release of the followed press interrupts only when it reaches
        // the receiver that was current when the engine became busy.
        const bool endsFollowedPress =
            event.button() == owner.m_trackedButton && (owner.m_interruptPending || owner.m_workAreaButtonHeld);
        if (!endsFollowedPress || owner.m_previousReceiver == owner.m_lastReceiverInfo.receiver)
            owner.interruptEngine();
    }

    if (event.button() == owner.m_trackedButton && !owner.m_workAreaButtonHeld)
    {
        owner.m_trackedButton = MouseEventInterface::MouseButton_None;
        owner.m_interruptPending = false;
    }
}

InterruptProcessor::KeyEventListener::KeyEventListener(InterruptProcessor& owner) : m_owner(&owner) {}

void InterruptProcessor::KeyEventListener::keyPressed(KeyEventInterface&, KeyEventObservableInterface&)
{
    // Any key counts; the monitor lets only Escape through an active stop button.
    if (m_owner->isInterruptible())
        m_owner->interruptEngine();
}

void InterruptProcessor::KeyEventListener::keyReleased(KeyEventInterface&, KeyEventObservableInterface&) {}

// --- processor ----------------------------------------------------------------

InterruptProcessor::InterruptProcessor(ApplicationEventMonitorInterface& monitor,
                                       services::ManagerMiscServiceInterface* miscService)
    : m_monitor(&monitor),
      m_miscService(miscService),
      m_trackedButton(MouseEventInterface::MouseButton_None),
      m_interruptPending(false),
      m_workAreaButtonHeld(false),
      m_pressedWhileIdle(false),
      m_releasedWhileIdle(false),
      m_previousReceiver(nullptr),
      m_mouseListener(*this),
      m_keyListener(*this),
      m_lastReceiverInfo{nullptr, false}
{
    monitor.addMouseListener(&m_mouseListener);
    monitor.addKeyboardListener(&m_keyListener);
    m_signalConnections.add(monitor.connectWidgetChangeDuetoTimerEvent([this] { onWidgetChangeDueToTimerEvent(); }));
    m_signalConnections.add(monitor.connectProcessingNewEvent(
        [this](const ApplicationEventMonitorInterface::EventReceiverInfo& info) { onProcessingNewEvent(info); }));
    m_signalConnections.add(monitor.connectEngineIsNoLongerBusy([this] {
        const HostReportScope report("engineIsNoLongerBusy");
        onEngineIsNoLongerBusy(true);
    }));
}

InterruptProcessor::~InterruptProcessor()
{
    m_monitor->removeMouseListener(&m_mouseListener);
    m_monitor->removeKeyboardListener(&m_keyListener);
}

void InterruptProcessor::workAreaButtonPressed(MouseButton button)
{
    if (m_workAreaButtonHeld)
        return;
    m_workAreaButtonHeld = true;
    m_trackedButton = button;
}

void InterruptProcessor::workAreaButtonReleased(MouseButton button)
{
    if (!m_workAreaButtonHeld || button != m_trackedButton)
        return;
    m_workAreaButtonHeld = false;
    m_trackedButton = MouseEventInterface::MouseButton_None;
}

void InterruptProcessor::interruptEngine()
{
    m_monitor->interrupt();
    m_interruptPending = false;
}

bool InterruptProcessor::isInterruptible() const { return m_monitor->isEngineInterruptible(); }

bool InterruptProcessor::isAnyMouseButtonDown() const
{
    if (m_miscService == nullptr)
        return false;
    for (MouseButton button :
         {MouseEventInterface::MouseButton_1, MouseEventInterface::MouseButton_2, MouseEventInterface::MouseButton_3})
        if (host::isMouseButtonPressed(*m_miscService, button))
            return true;
    return false;
}

void InterruptProcessor::trackPressWhileIdle(MouseButton button)
{
    if (m_monitor->isBusy())
        return;
    m_trackedButton = button;
    m_pressedWhileIdle = true;
}

void InterruptProcessor::settleIdleInput(bool engineBusy)
{
    if (engineBusy)
    {
        if (m_pressedWhileIdle)
            m_interruptPending = true;
        else if (m_releasedWhileIdle)
            m_previousReceiver = m_lastReceiverInfo.receiver;
    }
    m_pressedWhileIdle = false;
    m_releasedWhileIdle = false;
}

void InterruptProcessor::onWidgetChangeDueToTimerEvent()
{
    const HostReportScope report("widgetChangeDueToTimerEvent");
    if (isInterruptible())
        interruptEngine();
}

void InterruptProcessor::onProcessingNewEvent(const ApplicationEventMonitorInterface::EventReceiverInfo& info)
{
    const HostReportScope report(info.receiver, info.allowsInterrupt);
    settleIdleInput(m_monitor->isBusy());
    m_lastReceiverInfo = info;
}

void InterruptProcessor::onEngineIsNoLongerBusy(bool force)
{
    settleIdleInput(m_monitor->isBusy() || force);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
