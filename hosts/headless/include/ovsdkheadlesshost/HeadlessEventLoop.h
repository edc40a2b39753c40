#ifndef OVSDKHEADLESSHOST_HEADLESSEVENTLOOP_H
#define OVSDKHEADLESSHOST_HEADLESSEVENTLOOP_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessEvent.h"

#include <atomic>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessGLDrawArea;

// The event loop of an application with no window system.
//
// Implements: a queue of the drawing areas' events (HeadlessEvent) and of
// tasks, delivered in the order they came by processEvents(): input to the
// observers (the application event monitor) first, then to the event's
// drawing area; window-system events to the drawing area alone. A pass
// delivers what was queued when it began; input may start an engine
// operation whose busy passes call processEvents() again: each event is
// delivered once.
// - runOnce(): processEvents(), then the library's idle actions
//   (processIdleActions()), then idle time for the observers.
// - requestInterrupt(): the application's interrupt (from a SIGINT handler,
//   say). The observers hear it in the next processEvents(), which the
//   engine's busy passes run: the monitor then interrupts the engine's
//   operation. It stays requested until clearInterrupt().
// - What the library's queries need: the modifiers of the input being
//   delivered (none outside a delivery: there is no keyboard) and the
//   mouse buttons down after the input delivered so far.
// Leaves out: timers, waiting for anything (nothing arrives from outside
// but interrupts: an empty queue returns at once).
// Leaves to the application: calling runOnce() (or processEvents()) from
// its own main loop.
//
// Thread safety: GUI thread only, except requestInterrupt(), which any
// thread and a signal handler may call (it sets a lock-free flag only).
class OVSDKHEADLESSHOST_EXPORT HeadlessEventLoop
{
public:
    // Hears what the loop delivers, before the drawing area does.
    class OVSDKHEADLESSHOST_EXPORT Observer
    {
    public:
        virtual ~Observer();
        // Mouse, wheel or key input (`event`) of `drawArea`, about to be
        // delivered to it.
        virtual void inputArriving(const HeadlessEvent& event, HeadlessGLDrawArea& drawArea) = 0;
        // The loop has delivered everything and the idle actions have run.
        virtual void loopIdle() = 0;
        // requestInterrupt() was called; heard once per request.
        virtual void interruptRequested() = 0;
    };

    HeadlessEventLoop();
    ~HeadlessEventLoop();
    HeadlessEventLoop(const HeadlessEventLoop&) = delete;
    HeadlessEventLoop& operator=(const HeadlessEventLoop&) = delete;

    // Queues an event of `drawArea` (which must be alive; events of a
    // drawing area deleted meanwhile are dropped).
    //
    // @thread_safety GUI thread only.
    void post(HeadlessGLDrawArea& drawArea, const HeadlessEvent& event);
    // Runs `task` in the next processEvents(), after the events queued
    // before it.
    //
    // @thread_safety GUI thread only.
    void postTask(std::function<void()> task);

    // Delivers the events and tasks queued when it began, each once and in
    // order, telling the observers of a new interrupt request before and
    // after each.
    //
    // @thread_safety GUI thread only.
    // @reentrancy Busy passes call it (through the monitor) inside an earlier
    // delivery; each pass takes the next queued entries.
    // @errors Exceptions of observers, drawing areas and tasks pass on; the
    // entries after the one that threw stay queued.
    void processEvents();
    // processEvents(), then the library's idle actions, then idle time for
    // the observers; it never waits.
    //
    // @thread_safety GUI thread only.
    // @reentrancy Meant for the application's main loop; the engine's busy
    // passes call processEvents() instead.
    // @errors As processEvents().
    void runOnce();

    // Marks an interrupt as requested; the observers hear of it in the next
    // processEvents().
    //
    // @thread_safety Any thread, and safe from a signal handler: it only sets
    // a lock-free atomic flag.
    void requestInterrupt();
    // Whether an interrupt was requested and not cleared since.
    //
    // @thread_safety Any thread: it only reads a lock-free atomic flag.
    bool isInterruptRequested() const;
    // Withdraws the interrupt request, so that the next request is heard
    // again.
    //
    // @thread_safety GUI thread only.
    void clearInterrupt();

    // The library's modifier bits of the input being delivered; 0 outside
    // a delivery.
    int keyboardModifiers() const;
    // Whether the library's `button` (MouseButton_1 to _3) is down after the
    // input delivered so far.
    bool isButtonDown(int button) const;

    // Adds `observer` (not owned) at the end; adding one twice keeps it once.
    void addObserver(Observer* observer);
    // Removes `observer`; an unknown one is ignored. May be called from an
    // observer: a removed observer is not called again.
    void removeObserver(Observer* observer);
    // Drawing areas drop their queued events when they go.
    void forget(const HeadlessGLDrawArea& drawArea);

private:
    struct Queued
    {
        HeadlessGLDrawArea* drawArea; // null: a task
        HeadlessEvent event;
        std::function<void()> task;
    };

    void deliver(Queued& queued);
    void deliverInterrupt();
    void tellObservers(const std::function<void(Observer&)>& tell);

    std::deque<Queued> m_queue;
    std::vector<Observer*> m_observers;
    std::atomic<bool> m_interruptRequested;
    bool m_interruptDelivered;
    int m_modifiers;
    unsigned m_buttonsDown; // bit per library button
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSEVENTLOOP_H
