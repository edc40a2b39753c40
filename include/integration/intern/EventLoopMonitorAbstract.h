#ifndef ORVANE_INTEGRATION_INTERN_EVENTLOOPMONITORABSTRACT_H
#define ORVANE_INTEGRATION_INTERN_EVENTLOOPMONITORABSTRACT_H

#include "integration/intern/ApplicationEventMonitorAbstract.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The application event monitor of a host whose event loop tells it when it
// is about to wait: what every such host does the same way, so that a
// toolkit's monitor only connects its loop.
//
// Implements: processPendingEvents() as a busy pass that runs the host's
// processLoopEvents() and lets no exception out; the idle report
// (reportIdle(), called by the host when its loop goes idle): the idle
// listeners hear it unless a busy pass or another idle report is under way,
// the engine is busy or monitoring stopped, and the first one after a busy
// pass fires signalEngineIsNoLongerBusy first; stopMonitoring() once, through
// stopObserving(); input reported as every host reports it (reportMouse(),
// reportKey(), reportStopButtonClick()).
// Leaves to the host: processLoopEvents(), stopObserving(), isReady(),
// engineInterrupted(), and calling reportIdle() and the report operations
// from its loop. A host calls stopMonitoring() from its destructor.
class OVSDK_INTEGRATION_EXPORT EventLoopMonitorAbstract : public ApplicationEventMonitorAbstract
{
public:
    // Monitoring, no busy pass under way; see ApplicationEventMonitorAbstract.
    //
    // @thread_safety Construct it on the GUI thread.
    explicit EventLoopMonitorAbstract(ManagerInterface& manager);
    // Stops nothing: the host's destructor calls stopMonitoring().
    ~EventLoopMonitorAbstract() override;

    // The busy pass: processLoopEvents(), with the engine counted busy until
    // the next idle report.
    //
    // @thread_safety GUI thread, from the engine's busy callback.
    // @errors None: an exception of the host's loop is dropped, as nothing may
    // return into the engine's C code.
    void processPendingEvents() override;
    // The first call ends idle reports for good and calls stopObserving();
    // true.
    //
    // @thread_safety GUI thread only.
    // @errors Exceptions of stopObserving() pass on.
    bool stopMonitoring() override;

    // Whether an interrupt was held back by an active stop button.
    //
    // @thread_safety GUI thread only.
    bool interruptDeferred() const;

protected:
    // The host's loop handles its queued events now, inside the engine's
    // operation, and leaves current on return the OpenGL context current on
    // entry (the engine may be in the middle of a frame).
    //
    // @thread_safety GUI thread, from processPendingEvents().
    // @errors An exception is dropped by processPendingEvents().
    virtual void processLoopEvents() = 0;
    // The host stops observing its loop (from the first stopMonitoring()).
    //
    // @thread_safety GUI thread only.
    virtual void stopObserving() = 0;

    // The host's loop is about to wait: reports idle time (see above).
    //
    // @thread_safety GUI thread only.
    // @reentrancy A call from inside the report under way, or from a busy
    // pass, reports nothing.
    // @errors Exceptions of listeners and slots pass on.
    void reportIdle();
    // Reports application-wide mouse input: signalMouseButtonStateChanged for a
    // press or a release, then notifyOf... of the action's kind.
    //
    // @thread_safety GUI thread only.
    // @errors Exceptions of listeners and slots pass on.
    void reportMouse(MouseAction_e action, MouseEventInterface& event);
    // Reports the key `hostKeyCode` pressed or released, as an intern::KeyEvent
    // with the monitor as source, through notifyOfKeyPressed() or
    // notifyOfKeyReleased().
    //
    // @thread_safety GUI thread only.
    // @errors Exceptions of listeners and slots pass on.
    void reportKey(bool pressed, int hostKeyCode);
    // A click on a registered stop button (reported as its release) is an
    // Escape press as well, so that it interrupts the engine even while an
    // active stop button holds other interrupts back.
    //
    // @thread_safety GUI thread only.
    // @errors Exceptions of listeners and slots pass on.
    void reportStopButtonClick();

    // Whether stopMonitoring() has not been called.
    bool isMonitoring() const;
    // Whether a busy pass is under way.
    bool isInBusyPass() const;

private:
    bool m_monitoring;
    bool m_inBusyPass;
    bool m_reportingIdle;
    bool m_engineWasBusy;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_EVENTLOOPMONITORABSTRACT_H
