// The render callbacks the engine makes around every frame, and the relay
// of engine state changes to many pages, against plain-loop floors. The
// "allocs" counter is the number of heap allocations per iteration.
#include "BenchHost.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <memory>
#include <vector>

namespace {

using namespace orvane::sdk::integration;
using bench::allocations;
namespace sim = orvane::sim;

// An initialised manager whose engine has `pages` pages, each in its own
// drawing area; the engine's call log is off.
class Host
{
public:
    explicit Host(int pages) : m_drawAreas(static_cast<std::size_t>(pages))
    {
        sim::setCallLogging(false);
        for (bench::BenchDrawArea& drawArea : m_drawAreas)
            m_manager.getPageManager().addPage(&drawArea);
    }

    ArbParam_t currentPage() { return *m_manager.getPageManager().getCurrentPage(); }

private:
    // Constructed first: resets the engine before the manager starts it.
    struct FreshEngine
    {
        FreshEngine() { sim::reset(); }
    } m_freshEngine;
    std::vector<bench::BenchDrawArea> m_drawAreas; // outlive the pages
    bench::BenchHost m_manager;
};

void countAllocations(benchmark::State& state, long long before)
{
    bench::reportAllocations(state, "allocs", before, state.iterations());
}

// --- floors -----------------------------------------------------------------

// One call through a function pointer into a virtual call: what any callback
// costs at least.
struct Target
{
    virtual ~Target() = default;
    virtual bool answer() { return true; }
};

bool callThrough(long long handle) { return reinterpret_cast<Target*>(handle)->answer(); }

void BM_Floor_CallbackCall(benchmark::State& state)
{
    Target target;
    bool (*volatile callback)(long long) = &callThrough;
    const long long handle = reinterpret_cast<long long>(&target);
    for (auto _ : state)
        benchmark::DoNotOptimize(callback(handle));
}
BENCHMARK(BM_Floor_CallbackCall);

// Telling N listeners through virtual calls in a plain loop.
void BM_Floor_NotifyLoop(benchmark::State& state)
{
    std::vector<std::unique_ptr<Target>> listeners;
    for (int i = 0; i < state.range(0); ++i)
        listeners.emplace_back(new Target);
    for (auto _ : state)
        for (const std::unique_ptr<Target>& listener : listeners)
            benchmark::DoNotOptimize(listener->answer());
}
BENCHMARK(BM_Floor_NotifyLoop)->Arg(1)->Arg(10)->Arg(100);

// --- the four render callbacks ---------------------------------------------

void BM_RenderQuery(benchmark::State& state)
{
    Host host(1);
    const ArbParam_t page = host.currentPage();
    const auto query = sim::callbacks().renderQuery;
    const long long before = allocations();
    for (auto _ : state)
        benchmark::DoNotOptimize(query.callback(page, query.clientData));
    countAllocations(state, before);
}
BENCHMARK(BM_RenderQuery);

void BM_RenderDestSize(benchmark::State& state)
{
    Host host(1);
    const ArbParam_t page = host.currentPage();
    const auto size = sim::callbacks().renderDestSize;
    int width = 0;
    int height = 0;
    const long long before = allocations();
    for (auto _ : state)
    {
        size.callback(page, size.clientData, &width, &height);
        benchmark::DoNotOptimize(width + height);
    }
    countAllocations(state, before);
}
BENCHMARK(BM_RenderDestSize);

// A begin (screen) and an end: two calls per iteration.
void BM_RenderDestBeginEnd(benchmark::State& state)
{
    Host host(1);
    const ArbParam_t page = host.currentPage();
    const auto destination = sim::callbacks().renderDest;
    const long long before = allocations();
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(destination.callback(1, page, destination.clientData));
        benchmark::DoNotOptimize(destination.callback(0, page, destination.clientData));
    }
    countAllocations(state, before);
}
BENCHMARK(BM_RenderDestBeginEnd);

void BM_SwapBuffers(benchmark::State& state)
{
    Host host(1);
    const ArbParam_t page = host.currentPage();
    const auto swap = sim::callbacks().swapBuffers;
    const long long before = allocations();
    for (auto _ : state)
        swap.callback(page, swap.clientData);
    countAllocations(state, before);
}
BENCHMARK(BM_SwapBuffers);

// --- the state-change relay -------------------------------------------------

// An engine state change that concerns no page (code 1) reaching N pages
// through the relay; each page asks the engine's page count.
void BM_StateChangeRelay(benchmark::State& state)
{
    Host host(static_cast<int>(state.range(0)));
    const std::vector<std::string> noParameters;
    sim::fireStateChange(1, noParameters); // grows the relay's buffers once
    const long long before = allocations();
    for (auto _ : state)
        sim::fireStateChange(1, noParameters);
    countAllocations(state, before);
}
BENCHMARK(BM_StateChangeRelay)->Arg(1)->Arg(10)->Arg(100);

// A page-name style change for one page: every page tests whether it is
// concerned, the named one reads its name.
void BM_StateChangeRelayPageName(benchmark::State& state)
{
    Host host(static_cast<int>(state.range(0)));
    const std::vector<std::string> pageName{"PAGE", "NAME"};
    sim::fireStateChange(7, pageName, 1);
    const long long before = allocations();
    for (auto _ : state)
        sim::fireStateChange(7, pageName, 1);
    countAllocations(state, before);
}
BENCHMARK(BM_StateChangeRelayPageName)->Arg(1)->Arg(10)->Arg(100);

} // namespace
