#include "integration/intern/EventManager.h"

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/intern/boundary/HostCalls.h"
#include "integration/intern/boundary/TraceEvents.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// --- idle notifier ------------------------------------------------------------

EventManager::IdleEventNotifier::IdleEventNotifier(EventManager& owner, ApplicationEventMonitorInterface& monitor)
    : m_owner(&owner), m_monitor(&monitor), m_callbackQueued(false)
{
    monitor.addOnIdleListener(this);
}

EventManager::IdleEventNotifier::~IdleEventNotifier()
{
    m_monitor->removeOnIdleListener(this);
    traceGone(this);
}

void EventManager::IdleEventNotifier::onIdle(OnIdleObservableInterface&)
{
    const PassScope pass("idle pass");
    const engine::ShutdownWatch shutdown;
    m_owner->m_workAreaEventDispatcher.dispatchQueuedEvents();
    // An input listener may have stopped the manager.
    if (shutdown.shutDown())
        return;
    if (!m_callbackQueued)
    {
        m_callbackQueued = true;
        engine::OrvUtilOnIdleQueueAddCallback(&callbacks::onIdle<&IdleEventNotifier::staticOnIdleQueueCallback>,
                                              reinterpret_cast<long long>(this));
    }
    engine::OrvEngProcessTasksOnIdle();
}

void EventManager::IdleEventNotifier::staticOnIdleQueueCallback(long long clientData)
{
    reinterpret_cast<IdleEventNotifier*>(clientData)->engineIdle();
}

void EventManager::IdleEventNotifier::engineIdle()
{
    m_callbackQueued = false;
    EventManager& owner = *m_owner;
    host::call("idle listeners", [&owner] { owner.m_onIdleObservable.notifyOfIdle(owner); });
    if (!owner.signalOnIdle.empty())
        host::call("signalOnIdle", [&owner] { owner.signalOnIdle(); });
}

// --- event manager ------------------------------------------------------------

EventManager::EventManager(PageManagerInterface& pageManager, ApplicationEventMonitorInterface& monitor,
                           services::ManagerMiscServiceInterface* miscService)
    : m_monitor(&monitor),
      m_interruptProcessor(monitor, miscService),
      m_idleEventNotifier(*this, monitor),
      m_workAreaEventDispatcher(pageManager, monitor, this)
{
}

EventManager::~EventManager() = default;

bool EventManager::isBusy() { return m_monitor->isBusy(); }

void EventManager::registerStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton)
{
    m_monitor->registerStopButton(stopButton);
}

void EventManager::unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton)
{
    m_monitor->unRegisterStopButton(stopButton);
}

void EventManager::registerCallbacks() {}

// --- work-area events ---------------------------------------------------------

void EventManager::beforeDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info)
{
    if (info.kind == EventInfo::Kind_ButtonPressed)
        m_interruptProcessor.workAreaButtonPressed(MouseEventInterface::toMouseButton(info.buttonOrKey));
    deliverWorkAreaEvent(drawArea, info);
}

void EventManager::afterDispatch(GLDrawAreaInterface&, const EventInfo& info)
{
    if (info.kind == EventInfo::Kind_ButtonReleased)
        m_interruptProcessor.workAreaButtonReleased(MouseEventInterface::toMouseButton(info.buttonOrKey));
}

void EventManager::deliverWorkAreaEvent(GLDrawAreaInterface& drawArea, const EventInfo& info)
{
    // The event reads the keyboard's modifiers now, from the service, rather
    // than taking those recorded with the queued input.
    typedef void (MouseListenerSet::*MouseNotification)(MouseEventInterface&, MouseEventObservableInterface&);
    MouseNotification notification = nullptr;
    MouseEventSignal* signal = nullptr;
    switch (info.kind)
    {
    case EventInfo::Kind_ButtonPressed:
        notification = &MouseListenerSet::notifyOfButtonPressed;
        signal = &signalButtonPressed;
        break;
    case EventInfo::Kind_ButtonReleased:
        notification = &MouseListenerSet::notifyOfButtonReleased;
        signal = &signalButtonReleased;
        break;
    case EventInfo::Kind_ButtonDoublePressed:
        notification = &MouseListenerSet::notifyOfButtonDoublePressed;
        signal = &signalButtonDoublePressed;
        break;
    case EventInfo::Kind_MouseMoved:
        notification = &MouseListenerSet::notifyOfMouseMoved;
        signal = &signalMouseMoved;
        break;
    case EventInfo::Kind_KeyPressed:
    {
        KeyEvent event(&drawArea, info.buttonOrKey);
        m_keyEventObservable.notifyOfKeyPressed(event, *this);
        return;
    }
    case EventInfo::Kind_KeyReleased:
    {
        KeyEvent event(&drawArea, info.buttonOrKey);
        m_keyEventObservable.notifyOfKeyReleased(event, *this);
        return;
    }
    default:
        // Drags are reported as the moves they were queued as.
        return;
    }
    MouseEvent event(&drawArea, MouseEventInterface::toMouseButton(info.buttonOrKey), info.x, info.y);
    (m_mouseEventObservable.*notification)(event, *this);
    // Emitting costs a lock and a walk even without slots.
    if (!signal->empty())
        (*signal)(event);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
