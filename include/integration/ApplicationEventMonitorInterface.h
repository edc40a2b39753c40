#ifndef ORVANE_INTEGRATION_APPLICATIONEVENTMONITORINTERFACE_H
#define ORVANE_INTEGRATION_APPLICATIONEVENTMONITORINTERFACE_H

#include "integration/KeyEventObservableInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/MouseEventObservableInterface.h"
#include "integration/OnIdleObservableInterface.h"
#include "util/Export.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>

namespace orvane {
namespace sdk {
namespace integration {

class StopButtonInterface;

// The library's window onto the whole host application while the engine
// runs: the application-wide source of key, mouse and idle notifications,
// the busy and interruptible state of the engine, the interrupt itself and
// the host's stop buttons. The host fires the four signals below; the
// library only listens to them.
class OVSDK_INTEGRATION_EXPORT ApplicationEventMonitorInterface : public virtual MouseEventObservableInterface,
                                                                  public virtual KeyEventObservableInterface,
                                                                  public virtual OnIdleObservableInterface
{
public:
    // The widget about to receive a GUI event the host processes.
    struct EventReceiverInfo
    {
        // Compared by identity only.
        const void* receiver;
        // A mouse-button release delivered to it while the engine is
        // interruptible may interrupt the engine.
        bool allowsInterrupt;
    };

    // The signal of a button going down or up.
    typedef boost::signals2::signal<void(MouseEventInterface::MouseButton_e button, bool isDown)>
        MouseButtonStateChangedSignal;
    // The signal of a bare notification.
    typedef boost::signals2::signal<void()> NotificationSignal;
    // The signal of a GUI event about to be processed.
    typedef boost::signals2::signal<void(const EventReceiverInfo& info)> ProcessingNewEventSignal;

    // A mouse button went down or up, anywhere in the application.
    MouseButtonStateChangedSignal signalMouseButtonStateChanged;
    // A widget of the host changed because of a timer.
    NotificationSignal signalWidgetChangeDuetoTimerEvent;
    // The host is about to process a new GUI event.
    ProcessingNewEventSignal signalProcessingNewEvent;
    // The engine finished being busy.
    NotificationSignal signalEngineIsNoLongerBusy;

    // Connects `slot` at the back of signalMouseButtonStateChanged, then
    // calls its ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectMouseButtonStateChanged(const MouseButtonStateChangedSignal::slot_type& slot);
    // Connects `slot` at the back of signalWidgetChangeDuetoTimerEvent, then
    // calls its ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectWidgetChangeDuetoTimerEvent(const NotificationSignal::slot_type& slot);
    // Connects `slot` at the back of signalProcessingNewEvent, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectProcessingNewEvent(const ProcessingNewEventSignal::slot_type& slot);
    // Connects `slot` at the back of signalEngineIsNoLongerBusy, then calls
    // its ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectEngineIsNoLongerBusy(const NotificationSignal::slot_type& slot);

    // Whether the engine is busy (OrvUtilIsBusy).
    //
    // @thread_safety GUI thread only; not checked.
    virtual bool isBusy() const = 0;
    // An interrupt was issued during the current busy-event pass.
    //
    // @thread_safety GUI thread only; not checked.
    virtual bool shouldInterrupt() = 0;
    // The host's start-up check, asked by init() outside batch mode; false
    // makes init() fail.
    //
    // @thread_safety Called on the GUI thread, from inside init().
    // @errors An exception passes on to init()'s caller.
    virtual bool isReady() = 0;
    // The host's clean-up once the engine's shutdown has finished; the
    // result is ignored.
    //
    // @thread_safety Called on the GUI thread: ApplicationEventMonitorAbstract
    // calls it from its slot of the manager's signalEngineShutdownFinished.
    // @errors An exception passes on to stop()'s caller.
    virtual bool stopMonitoring() = 0;
    // Asks the engine to interrupt its current operation.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy Meant for the engine's busy loop (from a listener of the
    // host's input): the engine stops its operation when it next looks.
    virtual void interrupt() = 0;
    // True while the engine lets the host process events from its busy loop.
    //
    // @thread_safety GUI thread only; not checked.
    virtual bool isEngineInterruptible() const = 0;
    // Stop buttons are shared; registering one twice keeps it once. An empty
    // pointer is refused: reported through OrvEngDoOUAssert, nothing kept.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from the engine's busy loop.
    virtual void registerStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) = 0;
    // Unregisters a stop button; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from the engine's busy loop.
    virtual void unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalMouseButtonStateChangedConnected() const;
    virtual void signalWidgetChangeDuetoTimerEventConnected() const;
    virtual void signalProcessingNewEventConnected() const;
    virtual void signalEngineIsNoLongerBusyConnected() const;

public:
    // The monitor must outlive the engine: its busy callback stays registered.
    ~ApplicationEventMonitorInterface() override;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_APPLICATIONEVENTMONITORINTERFACE_H
