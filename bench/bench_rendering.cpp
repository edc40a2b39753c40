// The render callbacks the engine makes around every frame, and the relay
// of engine state changes to many pages, against plain-loop floors. The
// "allocs" counter is the number of heap allocations per iteration.
#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

// The replaced operators below pair malloc with free; GCC cannot see that
// through inlining and would call them mismatched.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<long long> g_allocations{0};

} // namespace

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

// A context and a drawing area that do nothing, so that only the library's
// share of a callback is measured.
class NullContext : public GLContextInterface
{
public:
    void swapBuffers() override { benchmark::ClobberMemory(); }
    bool makeCurrent() override { return true; }
    bool releaseCurrent() override { return true; }
};

class NullDrawArea : public GLDrawAreaInterface
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
    void addMouseListener(MouseEventListenerInterface*) override {}
    void removeMouseListener(MouseEventListenerInterface*) override {}
    void addKeyboardListener(KeyEventListenerInterface*) override {}
    void removeKeyboardListener(KeyEventListenerInterface*) override {}

private:
    NullContext m_context;
};

class BenchManager : public ManagerAbstract
{
};

// An initialised manager whose engine has `pages` pages, each in its own
// drawing area; the engine's call log is off.
class Host
{
public:
    explicit Host(int pages) : m_drawAreas(static_cast<std::size_t>(pages))
    {
        sim::reset();
        sim::setCallLogging(false);
        char program[] = "bench";
        char* argv[] = {program};
        m_manager.init(1, argv, "/opt/orvane");
        for (NullDrawArea& drawArea : m_drawAreas)
            m_manager.getPageManager().addPage(&drawArea);
    }
    ~Host() { m_manager.stop(); }

    ArbParam_t currentPage() { return *m_manager.getPageManager().getCurrentPage(); }

private:
    std::vector<NullDrawArea> m_drawAreas; // outlive the pages
    BenchManager m_manager;
};

void countAllocations(benchmark::State& state, long long before)
{
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(g_allocations - before), benchmark::Counter::kAvgIterations);
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
    const long long before = g_allocations;
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
    const long long before = g_allocations;
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
    const long long before = g_allocations;
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
    const long long before = g_allocations;
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
    const long long before = g_allocations;
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
    const long long before = g_allocations;
    for (auto _ : state)
        sim::fireStateChange(7, pageName, 1);
    countAllocations(state, before);
}
BENCHMARK(BM_StateChangeRelayPageName)->Arg(1)->Arg(10)->Arg(100);

} // namespace
