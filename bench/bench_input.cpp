// Drawing-area input and listener notifications, each against a plain-loop
// floor. The allocs_per_event counter counts every heap allocation of the
// process during the timed loop (the simulated engine's own bookkeeping
// included), divided by the events handled.
#include "BenchHost.h"

#include "integration/MouseEventListenerInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <vector>

namespace {

using namespace orvane::sdk::integration;
using bench::allocations;
namespace sim = orvane::sim;

const int EventsPerDrag = 3;

void reportAllocations(benchmark::State& state, long long allocationsBefore, long long events)
{
    state.SetItemsProcessed(events);
    bench::reportAllocations(state, "allocs_per_event", allocationsBefore, events);
}

// A drag in the current page's drawing area, queued and handed to the engine
// at the host's next idle notification (with the engine's idle tasks).
void BM_DrawingAreaDragAtIdleTime(benchmark::State& state)
{
    sim::reset();
    bench::BenchDrawArea area; // outlives the page the host puts in it
    bench::BenchHost host;
    host.getPageManager().addPage(&area);
    host.monitor.signalMouseButtonStateChanged(MouseEventInterface::MouseButton_1, true);
    sim::setCallLogging(false);
    host.monitor.notifyOfIdle(host.monitor); // first queue growth and idle callback out of the way

    const long long before = allocations();
    for (auto _ : state)
    {
        area.drag(100);
        host.monitor.notifyOfIdle(host.monitor);
    }
    reportAllocations(state, before, state.iterations() * EventsPerDrag);
}
BENCHMARK(BM_DrawingAreaDragAtIdleTime);

// The floor: the same three events handed to the engine directly, each
// followed by the interrupt query, plus the engine's idle tasks.
void BM_DrawingAreaDragFloor(benchmark::State& state)
{
    sim::reset();
    sim::setCallLogging(false);
    const long long before = allocations();
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

    const long long before = allocations();
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

    const long long before = allocations();
    for (auto _ : state)
        for (MouseEventListenerInterface* listener : pointers)
            listener->buttonPressed(press, observable);
    reportAllocations(state, before, state.iterations());
    benchmark::DoNotOptimize(listeners.front().calls);
}
BENCHMARK(BM_MouseListenerNotificationFloor)->Arg(1)->Arg(4)->Arg(16)->Arg(64);

} // namespace
