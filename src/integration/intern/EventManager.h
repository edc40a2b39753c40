#ifndef ORVANE_INTEGRATION_INTERN_EVENTMANAGER_H
#define ORVANE_INTEGRATION_INTERN_EVENTMANAGER_H

#include "integration/EventManagerInterface.h"
#include "integration/OnIdleListenerInterface.h"
#include "integration/intern/InterruptProcessor.h"
#include "integration/intern/InputListenerSets.h"
#include "integration/intern/SubManagerInterface.h"
#include "integration/intern/WorkAreaEventDispatcher.h"

namespace orvane {
namespace sdk {
namespace integration {

class ApplicationEventMonitorInterface;
class PageManagerInterface;

namespace intern {

// The sub-manager through which the host sees the input that the engine's
// work area receives, and idle time after the engine has done its idle
// work. It wires the parts of busy handling together:
//
// - at every idle notification of the host's monitor, its idle notifier has
//   the work-area dispatcher hand the queued drawing-area input to the
//   engine, queues one engine on-idle callback (at most one at a time) and
//   lets the engine do its idle tasks; when the engine runs the callback,
//   the idle listeners and signalOnIdle are told;
// - each event the dispatcher takes from a queue is reported, as an event
//   object whose source is the drawing area, to the mouse and key listeners
//   and mouse signals, and a work-area press and release are reported to the
//   interrupt processor.
class EventManager : public virtual EventManagerInterface,
                     public virtual SubManagerInterface,
                     public InputListenerSets,
                     private WorkAreaEventDispatcher::Observer
{
public:
    // Listens to the host's monitor for idle time.
    class IdleEventNotifier : public virtual OnIdleListenerInterface
    {
    public:
        IdleEventNotifier(EventManager& owner, ApplicationEventMonitorInterface& monitor);
        ~IdleEventNotifier() override;
        IdleEventNotifier(const IdleEventNotifier&) = delete;
        IdleEventNotifier& operator=(const IdleEventNotifier&) = delete;

        void onIdle(OnIdleObservableInterface& source) override;

    private:
        // Run by the engine from its on-idle queue, through its trampoline;
        // the client value is the notifier. Idle listeners and signal slots
        // must not throw here.
        static void staticOnIdleQueueCallback(long long clientData);
        void engineIdle();

        EventManager* m_owner;
        ApplicationEventMonitorInterface* m_monitor;
        // An engine on-idle callback of this notifier is queued and has not run.
        bool m_callbackQueued;
    };

    // `miscService` is the miscellaneous-queries service current now (may be
    // null); only the interrupt processor uses it.
    EventManager(PageManagerInterface& pageManager, ApplicationEventMonitorInterface& monitor,
                 services::ManagerMiscServiceInterface* miscService);
    ~EventManager() override;
    EventManager(const EventManager&) = delete;
    EventManager& operator=(const EventManager&) = delete;

    // What the monitor answers.
    bool isBusy() override;
    // Forwarded to the monitor.
    void registerStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) override;
    void unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) override;

    // Registers nothing: the monitor registers the busy callback itself.
    void registerCallbacks() override;

private:
    typedef WorkAreaEventDispatcher::EventInfo EventInfo;

    // The dispatcher tells each event it takes from a queue.
    void beforeDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info) override;
    void afterDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info) override;
    void deliverWorkAreaEvent(GLDrawAreaInterface& drawArea, const EventInfo& info);

    ApplicationEventMonitorInterface* m_monitor;
    InterruptProcessor m_interruptProcessor;
    IdleEventNotifier m_idleEventNotifier;
    WorkAreaEventDispatcher m_workAreaEventDispatcher;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_EVENTMANAGER_H
