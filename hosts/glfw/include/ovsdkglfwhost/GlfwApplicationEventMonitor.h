#ifndef OVSDKGLFWHOST_GLFWAPPLICATIONEVENTMONITOR_H
#define OVSDKGLFWHOST_GLFWAPPLICATIONEVENTMONITOR_H

#include "ovsdkglfwhost/Export.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"

#include "integration/intern/EventLoopMonitorAbstract.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

// The application event monitor of a GLFW application.
//
// Implements: EventLoopMonitorAbstract as an observer of the GlfwEventLoop.
// - Input: every key press and release (modifier keys alone excepted),
//   mouse press, double press, release and move, and scroll in a drawing
//   area's window is reported once, as the loop delivers it, before the
//   drawing area hears it: through notifyOf... (key codes and buttons as
//   GlfwInputMapping.h describes, positions in device pixels),
//   signalWheelRotated for the scroll, and signalMouseButtonStateChanged for
//   presses and releases. Before it, signalProcessingNewEvent names the
//   receiver, the event's GLFWwindow, which allows interrupts unless a
//   registered stop button claims it (isWidget of the GLFWwindow*): a
//   release there is reported as an Escape press as well, so that it
//   interrupts the engine even while an active stop button holds other
//   interrupts back.
// - Idle time: whenever the loop is about to wait and the engine is not
//   busy, the idle listeners hear it (notifyOfIdle); the first idle time
//   after the engine was busy fires signalEngineIsNoLongerBusy first.
// - The busy callback runs the loop's processEvents(): queued window events,
//   posted tasks and timers. It polls GLFW only when the engine's operation
//   was not started from inside GLFW's event processing (the kit's
//   callbacks only queue, so this holds unless a callback of the
//   application's own starts one); either way the queued events are
//   delivered, each once, and no exception gets out. The OpenGL context
//   current on entry (the engine may be in the middle of a frame) is
//   current again on return, unless its window was destroyed meanwhile.
// - isReady() answers whether GLFW can make a window with an OpenGL context.
// - Diagnostics (integration/Diagnostics.h), on construction: checked mode
//   as the environment variable ORVANE_CHECKED says (1 on, 0 off; unset, it
//   stays as it is) and, unless the application installed a handler of its
//   own before, a handler that prints the first report of each identifier
//   to standard error and drops the later ones.
// - The boundary trace (integration/Trace.h): when the environment variable
//   ORVANE_TRACE names a file and no recording runs, construction starts
//   one into that file and destruction ends it (after the manager's stop()).
// Leaves to the application: registering stop buttons and, in a subclass,
// engineInterrupted() (here it does nothing); the windows' should-close
// flags, which it reads in its own loop, after the engine's operation.
// Construct it after the manager and before init(), after the loop.
class OVSDKGLFWHOST_EXPORT GlfwApplicationEventMonitor : public integration::intern::EventLoopMonitorAbstract,
                                                         private GlfwEventLoop::Observer
{
public:
    // Observes `loop` and sets up the diagnostics (see above); `manager` and
    // `loop` outlive it.
    //
    // @thread_safety Make it on the GUI thread, after the loop.
    GlfwApplicationEventMonitor(integration::ManagerInterface& manager, GlfwEventLoop& loop);
    // Stops observing the loop.
    ~GlfwApplicationEventMonitor() override;

    bool isReady() override;
    void engineInterrupted() override;

protected:
    // Runs the loop's processEvents(), keeping the current context.
    void processLoopEvents() override;
    // Stops observing the loop.
    void stopObserving() override;

private:
    void inputArriving(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea) override;
    void loopIdle() override;
    void reportInput(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea);

    GlfwEventLoop& m_loop;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWAPPLICATIONEVENTMONITOR_H
