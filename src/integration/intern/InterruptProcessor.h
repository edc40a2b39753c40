#ifndef ORVANE_INTEGRATION_INTERN_INTERRUPTPROCESSOR_H
#define ORVANE_INTEGRATION_INTERN_INTERRUPTPROCESSOR_H

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "integration/MouseEventListenerInterface.h"
#include "ovsignals/SignalConnectionCollection.h"

namespace orvane {
namespace sdk {
namespace integration {

namespace services {
class ManagerMiscServiceInterface;
}

namespace intern {

// Decides from the user's input anywhere in the application when a running
// engine operation is to be interrupted, and then asks the monitor to
// interrupt. Input counts only while the engine is interruptible (the
// monitor's busy callback is letting the host process events):
//
// - any key press interrupts;
// - a wheel rotation interrupts unless a work-area button is held;
// - a move interrupts when a mouse button is down and no work-area button
//   is held;
// - a press interrupts; a double press unless a work-area button is held;
// - a release interrupts by the release rule (see buttonReleased);
// - a widget change caused by a host timer interrupts.
//
// A work-area button is one held down in a drawing area whose input goes to
// the engine: the engine itself handles that interaction, so moves, wheel
// rotations and double presses made while it is held are part of it.
class InterruptProcessor
{
public:
    // `miscService` answers which mouse buttons are down; not owned. Without
    // one, no button counts as down.
    InterruptProcessor(ApplicationEventMonitorInterface& monitor, services::ManagerMiscServiceInterface* miscService);
    virtual ~InterruptProcessor();
    InterruptProcessor(const InterruptProcessor&) = delete;
    InterruptProcessor& operator=(const InterruptProcessor&) = delete;

    // Told before a work-area press and after a work-area release reach the
    // engine. The first held button stays tracked until its own release.
    void workAreaButtonPressed(MouseEventInterface::MouseButton_e button);
    void workAreaButtonReleased(MouseEventInterface::MouseButton_e button);

private:
    class MouseEventListener : public virtual MouseEventListenerInterface
    {
    public:
        explicit MouseEventListener(InterruptProcessor& owner);
        void mouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source) override;
        void buttonPressed(MouseEventInterface& event, MouseEventObservableInterface& source) override;
        void buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source) override;
        void buttonReleased(MouseEventInterface& event, MouseEventObservableInterface& source) override;
        void wheelRotated(MouseWheelEventInterface& event);

    private:
        InterruptProcessor* m_owner;
    };

    class KeyEventListener : public virtual KeyEventListenerInterface
    {
    public:
        explicit KeyEventListener(InterruptProcessor& owner);
        void keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source) override;
        void keyReleased(KeyEventInterface& event, KeyEventObservableInterface& source) override;

    private:
        InterruptProcessor* m_owner;
    };

    void interruptEngine();
    bool isInterruptible() const;
    bool isAnyMouseButtonDown() const;
    // A press or double press seen while the engine was idle starts following
    // that button.
    void trackPressWhileIdle(MouseEventInterface::MouseButton_e button);
    // Ends the collection of idle-time input since the last processed GUI
    // event; when the engine is found busy, a press made while idle becomes a
    // pending interrupt and a release records the last receiver.
    void settleIdleInput(bool engineBusy);
    void onWidgetChangeDueToTimerEvent();
    void onProcessingNewEvent(const ApplicationEventMonitorInterface::EventReceiverInfo& info);
    void onEngineIsNoLongerBusy(bool force);

    SignalConnectionCollection m_signalConnections;
    ApplicationEventMonitorInterface* m_monitor;
    services::ManagerMiscServiceInterface* m_miscService;
    // The press being followed: a work-area press, or one made while idle.
    MouseEventInterface::MouseButton_e m_trackedButton;
    // The engine became busy after a press made while it was idle.
    bool m_interruptPending;
    // m_trackedButton is held down in a drawing area's work area.
    bool m_workAreaButtonHeld;
    // A press / release was seen while the engine was not busy, since the
    // last processed GUI event.
    bool m_pressedWhileIdle;
    bool m_releasedWhileIdle;
    // The receiver recorded when the engine became busy after a release made
    // while it was idle.
    const void* m_previousReceiver;
    MouseEventListener m_mouseListener;
    KeyEventListener m_keyListener;
    // The receiver of the GUI event the host processed last.
    ApplicationEventMonitorInterface::EventReceiverInfo m_lastReceiverInfo;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_INTERRUPTPROCESSOR_H
