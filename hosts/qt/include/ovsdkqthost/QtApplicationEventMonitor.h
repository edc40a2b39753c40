#ifndef OVSDKQTHOST_QTAPPLICATIONEVENTMONITOR_H
#define OVSDKQTHOST_QTAPPLICATIONEVENTMONITOR_H

#include "ovsdkqthost/Export.h"

#include "integration/intern/EventLoopMonitorAbstract.h"

#include <QObject>

class QWindow;

namespace orvane {
namespace sdk {
namespace qthost {

// The application event monitor of a Qt application.
//
// Implements: EventLoopMonitorAbstract with an event filter on the
// application.
// - Input: every key press and release (modifier keys alone excepted),
//   mouse press, double press, release and move, and wheel rotation is
//   reported once, when it reaches its window: through notifyOf... (key
//   codes and buttons as QtInputMapping.h describes, positions in the
//   window's device pixels), signalWheelRotated for the wheel, and
//   signalMouseButtonStateChanged for presses and releases. Before it,
//   signalProcessingNewEvent names the receiver (the widget under the
//   pointer or with the focus, a drawing area, or else the window), which
//   allows interrupts unless it is a registered stop button.
// - A timer event received by a widget other than the focus widget (whose
//   timer blinks its text cursor) fires signalWidgetChangeDuetoTimerEvent.
// - Idle time: whenever the event loop is about to wait and the engine is
//   not busy, the idle listeners hear it (notifyOfIdle); the first idle
//   time after the engine was busy fires signalEngineIsNoLongerBusy first.
// - The busy callback processes the pending Qt events, and leaves the
//   OpenGL context that was current on entry (the engine may be in the
//   middle of a frame) current again on return. Meanwhile only
//   drawing areas (whose input the library queues for the engine) and
//   registered stop buttons receive input; all other input is reported
//   but not delivered, and windows refuse to close. A click on a stop button is reported as an Escape
//   press as well, so that it interrupts the engine even while an active
//   stop button holds other interrupts back.
// - isReady() answers whether an OpenGL context can be created.
// - Diagnostics (integration/Diagnostics.h), on construction: checked mode
//   as the environment variable ORVANE_CHECKED says (1 on, 0 off; unset, it
//   stays as it is) and, unless the application installed a handler of its
//   own before, a handler that prints the first report of each identifier
//   to standard error and drops the later ones.
// - The boundary trace (integration/Trace.h): when the environment variable
//   ORVANE_TRACE names a file and no recording runs, construction starts
//   one into that file and destruction ends it (after the manager's stop()).
// Leaves to the application: registering stop buttons (QtStopButton) and,
// in a subclass, engineInterrupted() (here it does nothing). Construct it
// after the manager and before init(), after the QApplication.
class OVSDKQTHOST_EXPORT QtApplicationEventMonitor : public QObject,
                                                     public integration::intern::EventLoopMonitorAbstract
{
public:
    // Installs the event filter on the application, registers the busy
    // callback and sets up the diagnostics (see above).
    //
    // @thread_safety Make it on the GUI thread, after the QApplication.
    explicit QtApplicationEventMonitor(integration::ManagerInterface& manager);
    // Stops monitoring: removes the event filter.
    ~QtApplicationEventMonitor() override;

    bool isReady() override;
    void engineInterrupted() override;

protected:
    // Reports the application's input and timer events, and while the
    // engine is busy holds back input and closes (see above); never
    // consumes input outside a busy pass.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Processes the pending Qt events, keeping the current context.
    void processLoopEvents() override;
    // Removes the event filter.
    void stopObserving() override;

private:
    const void* receiverOf(QWindow& window, QEvent& event) const;
    void report(QWindow& window, QEvent& event);

    QMetaObject::Connection m_aboutToBlock;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTAPPLICATIONEVENTMONITOR_H
