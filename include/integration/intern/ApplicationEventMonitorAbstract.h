#ifndef ORVANE_INTEGRATION_INTERN_APPLICATIONEVENTMONITORABSTRACT_H
#define ORVANE_INTEGRATION_INTERN_APPLICATIONEVENTMONITORABSTRACT_H

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/intern/InputListenerSets.h"
#include "ovsignals/SignalConnectionCollection.h"

#include <set>

namespace orvane {
namespace sdk {
namespace integration {

class ManagerInterface;

namespace intern {

// The application event monitor a host subclasses. It registers the engine's
// busy-events callback: from inside a long operation the engine calls it, and
// the monitor has the host process its pending GUI events
// (processPendingEvents), during which the engine counts as interruptible.
// The host feeds it the application's input through the notifyOf...
// operations; listeners such as the interrupt processor hear it and may call
// interrupt(), which a stop button that is active defers unless an Escape
// press is being delivered.
//
// The host implements processPendingEvents, engineInterrupted, isReady and
// stopMonitoring. Construct the monitor after the manager and before init();
// it must live as long as the engine runs (the busy callback stays
// registered). From the manager's shutdown-initiated signal on, every
// notification and the busy callback are ignored for good.
class OVSDK_INTEGRATION_EXPORT ApplicationEventMonitorAbstract : public virtual ApplicationEventMonitorInterface,
                                                                 public InputListenerSets
{
public:
    // Registers the engine's busy-events callback and listens to the
    // shutdown signals of `manager`, which must outlive it.
    //
    // @thread_safety Construct it on the GUI thread.
    explicit ApplicationEventMonitorAbstract(ManagerInterface& manager);
    // Disconnects from the manager's signals. The busy callback stays
    // registered: destroy the monitor only after stop().
    ~ApplicationEventMonitorAbstract() override;

    bool isBusy() const override;
    bool shouldInterrupt() override;
    // Interrupts the engine (under the application lock, then
    // engineInterrupted()), or only sets m_interruptDeferred while a stop
    // button is active and no Escape press is being delivered.
    void interrupt() override;
    bool isEngineInterruptible() const override;
    void registerStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) override;
    void unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) override;

    // The host handles its queued GUI events now, inside the engine's
    // operation.
    //
    // @thread_safety GUI thread, from the engine's busy callback; checked in
    // checked mode: reports `thread.not-init-thread`.
    // @reentrancy Runs inside an engine operation: see
    // `docs/host-guide.md#busy-passes-and-idle-time`.
    // @current The engine's context may be current: leave it so on return.
    // @errors Must not throw: it returns into the engine's C code.
    virtual void processPendingEvents() = 0;
    // The host's reaction after the engine was interrupted.
    //
    // @thread_safety Called on the GUI thread, from inside interrupt().
    // @reentrancy Runs under the application lock, after OrvUtilInterrupt,
    // wherever interrupt() was called (from a busy pass, as a rule).
    // @current Whatever was current when interrupt() was called.
    // @errors An exception passes on to interrupt()'s caller.
    virtual void engineInterrupted() = 0;

protected:
    // The host reports application-wide input: listeners first, then the
    // monitor's signal of the same kind (keys and idle time have none here).
    // Wheel rotations have no operation: fire signalWheelRotated directly.
    // Ignored once the engine's shutdown has begun.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from processPendingEvents(): the interrupt
    // processor listens.
    // @errors Exceptions of listeners and slots pass on.
    void notifyOfMouseMoved(MouseEventInterface& event);
    // A button went down; see notifyOfMouseMoved().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from processPendingEvents().
    // @errors Exceptions of listeners and slots pass on.
    void notifyOfButtonPressed(MouseEventInterface& event);
    // A button was double-pressed; see notifyOfMouseMoved().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from processPendingEvents().
    // @errors Exceptions of listeners and slots pass on.
    void notifyOfButtonDoublePressed(MouseEventInterface& event);
    // A button went up; see notifyOfMouseMoved().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from processPendingEvents().
    // @errors Exceptions of listeners and slots pass on.
    void notifyOfButtonReleased(MouseEventInterface& event);
    // A key went down. While listeners hear an Escape press (key 27), an
    // active stop button does not defer interrupts.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from processPendingEvents().
    // @errors Exceptions of listeners and slots pass on.
    void notifyOfKeyPressed(KeyEventInterface& event);
    // A key went up: the key listeners hear it; see notifyOfMouseMoved().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from processPendingEvents().
    // @errors Exceptions of listeners and slots pass on.
    void notifyOfKeyReleased(KeyEventInterface& event);
    // Idle time: the idle listeners hear it with the caller's `source`.
    // Ignored once the engine's shutdown has begun.
    //
    // @thread_safety GUI thread only; checked in checked mode: reports
    // `thread.not-init-thread`.
    // @reentrancy Not from a busy pass, nor while the engine is busy: see
    // `docs/host-guide.md#busy-passes-and-idle-time`.
    // @errors Exceptions of listeners and slots pass on.
    void notifyOfIdle(OnIdleObservableInterface& source);
    // True when a registered stop button claims `widget`.
    bool isStopButton(const void* widget) const;

    // Set when an interrupt was deferred by an active stop button; the
    // library never reads or clears it.
    bool m_interruptDeferred;

private:
    // The client value registered with the engine's busy callback.
    virtual operator long long() const;

    typedef void (MouseListenerSet::*MouseNotification)(MouseEventInterface&, MouseEventObservableInterface&);
    void notifyOfMouse(MouseNotification notification, MouseEventSignal& signal, MouseEventInterface& event);
    // The engine's busy-events callback, for its trampoline: the client
    // value is this object's long long value.
    static void staticProcessBusyEventsCallback(long long clientData);
    void processWhileBusyCallback();
    void setEngineIsShuttingDown();
    bool areStopButtonsActive() const;

    ManagerInterface* m_manager;
    bool m_interruptIssued;
    bool m_engineIsShuttingDown;
    SignalConnectionCollection m_signalConnections;
    bool m_processingBusyEvents;
    std::set<boost::shared_ptr<const StopButtonInterface> > m_stopButtons;
    bool m_escapeKeyBeingDelivered;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_APPLICATIONEVENTMONITORABSTRACT_H
