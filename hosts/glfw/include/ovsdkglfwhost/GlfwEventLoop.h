#ifndef OVSDKGLFWHOST_GLFWEVENTLOOP_H
#define OVSDKGLFWHOST_GLFWEVENTLOOP_H

#include "ovsdkglfwhost/Export.h"
#include "ovsdkglfwhost/GlfwWindowEvent.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwGLDrawArea;

// The event loop of a GLFW application, and its GLFW session.
//
// Implements: GLFW's initialisation for the lifetime of the object, and one
// loop over every drawing area's window. GLFW's callbacks only queue their
// events here (GlfwWindowEvent); the loop delivers them afterwards, outside
// GLFW's callbacks, in the order they came: to the observers (the
// application event monitor) first, then to the window's drawing area. So
// input may start an engine operation whose busy passes process events
// again: processEvents() then polls GLFW for new events only when it is not
// inside GLFW's event processing (GLFW forbids re-entering it from a
// callback) and delivers what is queued either way, each event once.
// - A key press takes the character of the Character event that GLFW
//   reported right after it; its release reports the same character.
// - A second press of a mouse button within 0.4 s and 4 screen coordinates
//   of the first in the same window is delivered as a double press (GLFW
//   has none of its own).
// - Tasks posted for later and timers (milliseconds, run by GlfwTimer) run
//   in processEvents(), after the queued events.
// - runOnce(): processEvents(), then idle time for the observers (so the
//   library's input reaches the engine), then a wait for the window system
//   until the next timer, a posted task or the longest wait given.
// - What the library's queries need: the keyboard modifiers of the input
//   being (or last) delivered, the mouse buttons down after the input
//   delivered so far, and the device pixel ratio of the focused drawing
//   area (else of any drawing area; 1 without one).
// Leaves to the application: calling runOnce() (or run()) from its main
// loop, and quitting. Make it before any GLFW window and delete it after
// the last (it terminates GLFW).
class OVSDKGLFWHOST_EXPORT GlfwEventLoop
{
public:
    // Hears what the loop delivers, before the drawing area does.
    class OVSDKGLFWHOST_EXPORT Observer
    {
    public:
        // Remove the observer from the loop before destroying it.
        virtual ~Observer();
        // Input (keys, buttons, moves, scrolls) of `drawArea`'s window;
        // modifier keys included.
        virtual void inputArriving(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea) = 0;
        // The loop has delivered everything and is about to wait.
        virtual void loopIdle() = 0;
    };

    // The action of a mouse press delivered as a double press.
    static const int DoublePress = 3;

    // Initialises GLFW.
    //
    // @thread_safety Make it on the GUI thread (GLFW's main thread).
    // @errors orvane::ExceptionBase when GLFW cannot be initialised (no
    // display).
    GlfwEventLoop();
    // Terminates GLFW: delete every GLFW window first.
    ~GlfwEventLoop();
    // Not copyable: one GLFW session.
    GlfwEventLoop(const GlfwEventLoop&) = delete;
    // Not copyable.
    GlfwEventLoop& operator=(const GlfwEventLoop&) = delete;

    // Queues a window's event, as the kit's GLFW callbacks do.
    //
    // @thread_safety GUI thread only (GLFW's main thread); not checked.
    void post(const GlfwWindowEvent& event);
    // Runs `task` in the next processEvents(); cancelTasks(owner) drops the
    // tasks of `owner` still waiting.
    //
    // @thread_safety GUI thread only; not checked.
    void postTask(const void* owner, std::function<void()> task);
    // Drops the waiting tasks of `owner`; call it before `owner` goes.
    //
    // @thread_safety GUI thread only; not checked.
    void cancelTasks(const void* owner);
    // A timer that calls `expired` every `intervalMilliseconds` (0: every
    // pass of the loop) until stopTimer(id).
    //
    // @thread_safety GUI thread only; not checked.
    int startTimer(int intervalMilliseconds, std::function<void()> expired);
    // Stops the timer `id`; an unknown id is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from its own `expired`.
    void stopTimer(int id);

    // Polls GLFW (unless inside GLFW's own event processing), delivers every
    // queued event, then runs the posted tasks and the due timers.
    //
    // @thread_safety GUI thread only (GLFW's main thread); not checked.
    // @reentrancy Meant to be called from the monitor's busy pass too: it
    // never re-enters glfwPollEvents() from a GLFW callback.
    // @errors Exceptions of observers, drawing areas, tasks and timers pass on.
    void processEvents();
    // processEvents(), then idle time for the observers, then a wait for the
    // window system until the next timer, a posted task or
    // `longestWaitSeconds`; no wait when events or tasks are left.
    //
    // @thread_safety GUI thread only (GLFW's main thread); not checked.
    // @reentrancy Call it from the application's main loop, not from a
    // busy pass (the wait would stall the engine).
    // @errors As processEvents().
    void runOnce(double longestWaitSeconds = 0.1);
    // runOnce() until quit().
    //
    // @thread_safety GUI thread only (GLFW's main thread); not checked.
    // @reentrancy As runOnce(): not from a busy pass.
    // @errors As processEvents().
    void run();
    // Makes run() return after the current pass; wakes a waiting loop.
    void quit();
    // Whether the loop is inside GLFW's event processing now.
    bool isPolling() const;

    // The library's modifier bits of the input being (or last) delivered.
    int keyboardModifiers() const;
    // Whether GLFW button `glfwButton` is down after the input delivered so
    // far.
    bool isButtonDown(int glfwButton) const;
    // The device pixel ratio of the focused drawing area, else of any, else 1.
    double devicePixelRatio() const;

    // Adds `observer` (not owned) at the end; adding one twice keeps it once.
    void addObserver(Observer* observer);
    // Removes `observer`; an unknown one is ignored. May be called from an
    // observer: it is not called again.
    void removeObserver(Observer* observer);
    // Drawing areas register their windows while they exist.
    void addWindow(GLFWwindow* window, GlfwGLDrawArea& drawArea);
    // Forgets `window`: its queued events are dropped.
    void removeWindow(GLFWwindow* window);

private:
    typedef std::chrono::steady_clock Clock;

    struct Timer
    {
        std::chrono::milliseconds interval;
        Clock::time_point due;
        std::function<void()> expired;
    };

    struct Press
    {
        GLFWwindow* window;
        int button;
        double x, y, time;
    };

    void pollWindowSystem(double waitSeconds);
    void deliverQueued();
    void deliver(GlfwWindowEvent& event);
    void prepareInput(GlfwWindowEvent& event);
    void runTasks();
    void runDueTimers();
    double secondsToNextTimer() const;

    std::deque<GlfwWindowEvent> m_queue;
    std::deque<std::pair<const void*, std::function<void()>>> m_tasks;
    std::map<int, Timer> m_timers;
    int m_nextTimerId;
    std::vector<Observer*> m_observers;
    std::map<GLFWwindow*, GlfwGLDrawArea*> m_windows;
    GLFWwindow* m_focusedWindow;
    // The character each key held down typed, by window and key.
    std::map<std::pair<GLFWwindow*, int>, unsigned int> m_typed;
    Press m_lastPress;
    int m_modifiers;
    unsigned m_buttonsDown; // bit per GLFW button
    bool m_polling;
    bool m_quit;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWEVENTLOOP_H
