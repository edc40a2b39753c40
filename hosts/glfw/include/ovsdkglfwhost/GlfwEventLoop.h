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
        virtual ~Observer();
        // Input (keys, buttons, moves, scrolls) of `drawArea`'s window;
        // modifier keys included.
        virtual void inputArriving(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea) = 0;
        // The loop has delivered everything and is about to wait.
        virtual void loopIdle() = 0;
    };

    // The action of a mouse press delivered as a double press.
    static const int DoublePress = 3;

    // Throws orvane::ExceptionBase when GLFW cannot be initialised (no
    // display).
    GlfwEventLoop();
    ~GlfwEventLoop();
    GlfwEventLoop(const GlfwEventLoop&) = delete;
    GlfwEventLoop& operator=(const GlfwEventLoop&) = delete;

    // Queues a window's event, as the kit's GLFW callbacks do.
    void post(const GlfwWindowEvent& event);
    // Runs `task` in the next processEvents(); cancelTasks(owner) drops the
    // tasks of `owner` still waiting.
    void postTask(const void* owner, std::function<void()> task);
    void cancelTasks(const void* owner);
    // A timer that calls `expired` every `intervalMilliseconds` (0: every
    // pass of the loop) until stopTimer(id).
    int startTimer(int intervalMilliseconds, std::function<void()> expired);
    void stopTimer(int id);

    void processEvents();
    void runOnce(double longestWaitSeconds = 0.1);
    // runOnce() until quit().
    void run();
    void quit();
    bool isPolling() const;

    int keyboardModifiers() const;
    bool isButtonDown(int glfwButton) const;
    double devicePixelRatio() const;

    void addObserver(Observer* observer);
    void removeObserver(Observer* observer);
    // Drawing areas register their windows while they exist.
    void addWindow(GLFWwindow* window, GlfwGLDrawArea& drawArea);
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
