// Drawing-area input and listener notifications, each against a plain-loop
// floor. The allocs_per_event counter counts every heap allocation of the
// process during the timed loop (the simulated engine's own bookkeeping
// included), divided by the events handled.
#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/MouseEventListenerInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

std::atomic<long long> g_allocations{0};

} // namespace

// Counting replacements of the global allocation functions, over malloc and
// free (which the compiler takes for a mismatch).
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using namespace orvane::sdk::integration;
namespace sim = orvane::sim;

// --- a minimal host ---------------------------------------------------------

class BenchMonitor : public intern::ApplicationEventMonitorAbstract
{
public:
    using ApplicationEventMonitorAbstract::ApplicationEventMonitorAbstract;
    using ApplicationEventMonitorAbstract::notifyOfIdle;
    bool isReady() override { return true; }
    bool stopMonitoring() override { return true; }
    void processPendingEvents() override {}
    void engineInterrupted() override {}
};

class BenchHost : public ManagerAbstract
{
public:
    BenchMonitor monitor{*this};
    ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return monitor; }
};

class BenchContext : public GLContextInterface
{
public:
    void swapBuffers() override {}
    bool makeCurrent() override { return true; }
    bool releaseCurrent() override { return true; }
};

class BenchDrawArea : public GLDrawAreaInterface
{
public:
    bool canRender() override { return true; }
    void getSize(int& width, int& height) override
    {
        width = 800;
        height = 600;
    }
    GLContextInterface& getGLContext() override { return m_context; }
    bool isValid() override { return true; }
    void addStateListener(GLDrawAreaListenerInterface*) override {}
    void removeStateListener(GLDrawAreaListenerInterface*) override {}
    void setPageManager(PageManagerInterface&) override {}
    void addMouseListener(MouseEventListenerInterface* listener) override { m_mouse.addMouseListener(listener); }
    void removeMouseListener(MouseEventListenerInterface* listener) override { m_mouse.removeMouseListener(listener); }
    void addKeyboardListener(KeyEventListenerInterface* listener) override { m_keys.addKeyboardListener(listener); }
    void removeKeyboardListener(KeyEventListenerInterface* listener) override
    {
        m_keys.removeKeyboardListener(listener);
    }

    // The window system reports a drag: press, move, release.
    void drag(int x)
    {
        intern::MouseEvent press(this, MouseEventInterface::MouseButton_1, x, 10);
        m_mouse.notifyOfButtonPressed(press, *this);
        intern::MouseEvent move(this, MouseEventInterface::MouseButton_None, x + 5, 12);
        m_mouse.notifyOfMouseMoved(move, *this);
        intern::MouseEvent release(this, MouseEventInterface::MouseButton_1, x + 5, 12);
        m_mouse.notifyOfButtonReleased(release, *this);
    }

private:
    BenchContext m_context;
    intern::MouseEventObservable m_mouse;
    intern::KeyEventObservable m_keys;
};

const int EventsPerDrag = 3;

void reportAllocations(benchmark::State& state, long long allocationsBefore, long long events)
{
    state.SetItemsProcessed(events);
    state.counters["allocs_per_event"] =
        benchmark::Counter(static_cast<double>(g_allocations - allocationsBefore) / static_cast<double>(events));
}

// A drag in the current page's drawing area, queued and handed to the engine
// at the host's next idle notification (with the engine's idle tasks).
void BM_DrawingAreaDragAtIdleTime(benchmark::State& state)
{
    sim::reset();
    BenchHost host;
    char program[] = "bench";
    char* argv[] = {program};
    host.init(1, argv, "/opt/engine");
    host.start();
    BenchDrawArea area;
    host.getPageManager().addPage(&area);
    host.monitor.signalMouseButtonStateChanged(MouseEventInterface::MouseButton_1, true);
    sim::setCallLogging(false);
    host.monitor.notifyOfIdle(host.monitor); // first queue growth and idle callback out of the way

    const long long before = g_allocations;
    for (auto _ : state)
    {
        area.drag(100);
        host.monitor.notifyOfIdle(host.monitor);
    }
    reportAllocations(state, before, state.iterations() * EventsPerDrag);
    host.stop();
}
BENCHMARK(BM_DrawingAreaDragAtIdleTime);

// The floor: the same three events handed to the engine directly, each
// followed by the interrupt query, plus the engine's idle tasks.
void BM_DrawingAreaDragFloor(benchmark::State& state)
{
    sim::reset();
    sim::setCallLogging(false);
    const long long before = g_allocations;
    for (auto _ : state)
    {
        const int kinds[EventsPerDrag] = {0, 4, 1};
        for (int kind : kinds)
        {
            OrvUtilDispatchWorkAreaEvent(100, 10, 1, kind, FALSE, FALSE, FALSE);
            benchmark::DoNotOptimize(OrvUtilInterruptIsSet());
        }
        OrvEngProcessTasksOnIdle();
    }
    reportAllocations(state, before, state.iterations() * EventsPerDrag);
}
BENCHMARK(BM_DrawingAreaDragFloor);

// --- listener notifications ---------------------------------------------------

class CountingListener : public MouseEventListenerInterface
{
public:
    int calls = 0;
    void mouseMoved(MouseEventInterface&, MouseEventObservableInterface&) override { ++calls; }
    void buttonPressed(MouseEventInterface&, MouseEventObservableInterface&) override { ++calls; }
    void buttonDoublePressed(MouseEventInterface&, MouseEventObservableInterface&) override { ++calls; }
    void buttonReleased(MouseEventInterface&, MouseEventObservableInterface&) override { ++calls; }
};

// One press told to state.range(0) mouse listeners through the library's
// listener set (snapshot, live check).
void BM_MouseListenerNotification(benchmark::State& state)
{
    std::vector<CountingListener> listeners(static_cast<std::size_t>(state.range(0)));
    intern::MouseEventObservable observable;
    for (CountingListener& listener : listeners)
        observable.addMouseListener(&listener);
    intern::MouseEvent press(&observable, MouseEventInterface::MouseButton_1, 1, 1);

    const long long before = g_allocations;
    for (auto _ : state)
        observable.notifyOfButtonPressed(press, observable);
    reportAllocations(state, before, state.iterations());
    benchmark::DoNotOptimize(listeners.front().calls);
}
BENCHMARK(BM_MouseListenerNotification)->Arg(1)->Arg(4)->Arg(16)->Arg(64);

// The floor: a plain loop over the same listeners.
void BM_MouseListenerNotificationFloor(benchmark::State& state)
{
    std::vector<CountingListener> listeners(static_cast<std::size_t>(state.range(0)));
    std::vector<MouseEventListenerInterface*> pointers;
    for (CountingListener& listener : listeners)
        pointers.push_back(&listener);
    intern::MouseEventObservable observable;
    intern::MouseEvent press(&observable, MouseEventInterface::MouseButton_1, 1, 1);

    const long long before = g_allocations;
    for (auto _ : state)
        for (MouseEventListenerInterface* listener : pointers)
            listener->buttonPressed(press, observable);
    reportAllocations(state, before, state.iterations());
    benchmark::DoNotOptimize(listeners.front().calls);
}
BENCHMARK(BM_MouseListenerNotificationFloor)->Arg(1)->Arg(4)->Arg(16)->Arg(64);

} // namespace
