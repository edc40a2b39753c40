#ifndef OVSDKHEADLESSHOST_HEADLESSAPPLICATIONEVENTMONITOR_H
#define OVSDKHEADLESSHOST_HEADLESSAPPLICATIONEVENTMONITOR_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessEventLoop.h"

#include "integration/intern/EventLoopMonitorAbstract.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessDisplay;

// The application event monitor of an application with no window system.
//
// Implements: EventLoopMonitorAbstract as an observer of the
// HeadlessEventLoop.
// - Input: every press, release, move, wheel rotation and key of a drawing
//   area is reported once, as the loop delivers it, before the drawing area
//   hears it: signalProcessingNewEvent naming the drawing area (which
//   allows interrupts), signalMouseButtonStateChanged for presses and
//   releases, then notifyOf... or signalWheelRotated.
// - Idle time: whenever the loop goes idle and the engine is not busy, the
//   idle listeners hear it (notifyOfIdle); the first idle time after the
//   engine was busy fires signalEngineIsNoLongerBusy first.
// - The busy callback runs the loop's processEvents(); no exception gets
//   out, and the OpenGL context current on entry (the engine may be in the
//   middle of a frame) is current again on return.
// - The application's interrupt (HeadlessEventLoop::requestInterrupt)
//   interrupts the engine's operation when it comes during one (through
//   interrupt(), so an active stop button holds it back like any input);
//   outside one there is nothing to stop.
// - isReady() answers whether the display makes an OpenGL context.
// - Diagnostics (integration/Diagnostics.h), on construction: checked mode
//   as the environment variable ORVANE_CHECKED says (1 on, 0 off) and,
//   unless the application installed a handler of its own before, a
//   handler that prints the first report of each identifier to standard
//   error.
// - The boundary trace (integration/Trace.h): when the environment variable
//   ORVANE_TRACE names a file and no recording runs, construction starts
//   one into that file and destruction ends it (after the manager's stop()).
// Leaves to the application: engineInterrupted() in a subclass (here it
// does nothing); stop buttons.
// Construct it after the manager and the loop, before init().
//
// Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessApplicationEventMonitor
    : public integration::intern::EventLoopMonitorAbstract,
      private HeadlessEventLoop::Observer
{
public:
    // Sets up the kit's diagnostics and starts observing `loop`; `display`
    // answers isReady().
    //
    // @thread_safety GUI thread only.
    HeadlessApplicationEventMonitor(integration::ManagerInterface& manager, HeadlessEventLoop& loop,
                                    HeadlessDisplay& display);
    ~HeadlessApplicationEventMonitor() override;

    bool isReady() override;
    void engineInterrupted() override;

protected:
    // Runs the loop's processEvents(), keeping the current context.
    void processLoopEvents() override;
    // Stops observing the loop.
    void stopObserving() override;

private:
    void inputArriving(const HeadlessEvent& event, HeadlessGLDrawArea& drawArea) override;
    void loopIdle() override;
    void interruptRequested() override;

    HeadlessEventLoop& m_loop;
    HeadlessDisplay& m_display;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSAPPLICATIONEVENTMONITOR_H
