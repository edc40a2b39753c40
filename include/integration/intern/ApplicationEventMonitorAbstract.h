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
    explicit ApplicationEventMonitorAbstract(ManagerInterface& manager);
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
    // operation. Must not throw: it returns into the engine's C code.
    virtual void processPendingEvents() = 0;
    // The host's reaction after the engine was interrupted.
    virtual void engineInterrupted() = 0;

protected:
    // The host reports application-wide input: listeners first, then the
    // monitor's signal of the same kind (keys and idle time have none here).
    // Wheel rotations have no operation: fire signalWheelRotated directly.
    void notifyOfMouseMoved(MouseEventInterface& event);
    void notifyOfButtonPressed(MouseEventInterface& event);
    void notifyOfButtonDoublePressed(MouseEventInterface& event);
    void notifyOfButtonReleased(MouseEventInterface& event);
    // While listeners hear an Escape press (key 27), an active stop button
    // does not defer interrupts.
    void notifyOfKeyPressed(KeyEventInterface& event);
    void notifyOfKeyReleased(KeyEventInterface& event);
    // Idle time: the idle listeners hear it with the caller's `source`.
    void notifyOfIdle(OnIdleObservableInterface& source);
    // True when a registered stop button claims `widget`.
    bool isStopButton(const void* widget) const;

    // Set when an interrupt was deferred by an active stop button; the
    // library never reads or clears it.
    bool m_interruptDeferred;

private:
    // The client value registered with the engine's busy callback.
    virtual operator long long() const;

    typedef void (MouseEventObservable::*MouseNotification)(MouseEventInterface&, MouseEventObservableInterface&);
    void notifyOfMouse(MouseNotification notification, MouseEventSignal& signal, MouseEventInterface& event);
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
