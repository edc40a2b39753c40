#ifndef OVSDKGTKHOST_GTKAPPLICATIONEVENTMONITOR_H
#define OVSDKGTKHOST_GTKAPPLICATIONEVENTMONITOR_H

#include "ovsdkgtkhost/Export.h"
#include "ovsdkgtkhost/GtkInputEvent.h"

#include "integration/intern/EventLoopMonitorAbstract.h"

typedef struct _GSource GSource;

namespace orvane {
namespace sdk {
namespace gtkhost {

// The application event monitor of a GTK application, on GLib's main loop.
//
// Implements: EventLoopMonitorAbstract as an input observer of the kit's
// drawing areas (GtkInputObserver).
// - Input: every key press and release (modifier keys alone excepted),
//   mouse press, double press, release and move, and scroll in a drawing
//   area is reported once, before the drawing area hears it: through
//   notifyOf... (codes as GtkGLDrawArea.h describes, positions in device
//   pixels), signalWheelRotated for the scroll, and
//   signalMouseButtonStateChanged for presses and releases. Before it,
//   signalProcessingNewEvent names the receiver, the GtkGLDrawArea, which
//   allows interrupts unless a registered stop button claims it: a release
//   there is reported as an Escape press as well, so that it interrupts the
//   engine even while an active stop button holds other interrupts back.
//   Escape interrupts the engine (the library's rule).
// - Idle time: a GLib source of idle priority (below GTK's layout and
//   drawing) reports it once each time the main loop woke up (a poll that
//   waited, input, an expose, the end of a busy pass; the kit counts polls
//   through GLib's poll function of the default main context, which it
//   wraps once for the process) and has nothing left to do, unless the
//   engine is busy: the idle listeners
//   hear it (notifyOfIdle); the first idle time after the engine was busy
//   fires signalEngineIsNoLongerBusy first. A loop with nothing to do sleeps.
// - The busy callback iterates GLib's default main context without
//   blocking until nothing is pending (at most 100 iterations a pass), so
//   GTK's input, drawing, timers and the drawing areas' posted events run;
//   no exception gets out. GLib does not dispatch a source again from
//   inside its own dispatch: input that starts an engine operation straight
//   from its controller's handler holds GTK's further input back until the
//   operation ends; start long operations from an idle source or a timeout
//   instead (g_idle_add), as the demo does. The OpenGL context current on
//   entry (the engine may be in the middle of a frame), with its framebuffer
//   bindings, is current again on return.
// - isReady() answers whether GTK is initialised and its OpenGL contexts
//   can run the engine's drawing (GtkLegacyGL::problem()).
// - Diagnostics (integration/Diagnostics.h), on construction: checked mode
//   as the environment variable ORVANE_CHECKED says and, unless the
//   application installed a handler of its own before, a handler that
//   prints the first report of each identifier to standard error.
// - The boundary trace (integration/Trace.h): when the environment variable
//   ORVANE_TRACE names a file and no recording runs, construction starts
//   one into that file and destruction ends it.
// Leaves to the application: registering stop buttons and, in a subclass,
// engineInterrupted() (here it does nothing). Construct it after gtk_init()
// and the manager, before init().
class OVSDKGTKHOST_EXPORT GtkApplicationEventMonitor : public integration::intern::EventLoopMonitorAbstract,
                                                       private GtkInputObserver
{
public:
    // Observes the drawing areas' input and attaches its idle source to
    // GLib's default main context; `manager` outlives it.
    //
    // @thread_safety Make it on the GUI thread, after gtk_init().
    explicit GtkApplicationEventMonitor(integration::ManagerInterface& manager);
    // Stops observing and removes its idle source.
    ~GtkApplicationEventMonitor() override;

    bool isReady() override;
    void engineInterrupted() override;

protected:
    // Iterates GLib's default main context (see above), keeping the current
    // context and its framebuffer bindings.
    void processLoopEvents() override;
    // Stops observing the input and removes the idle source.
    void stopObserving() override;

private:
    struct IdleSource;

    void inputArriving(const GtkInputEvent& event, GtkGLDrawArea& drawArea) override;

    GSource* m_idleSource;
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKAPPLICATIONEVENTMONITOR_H
