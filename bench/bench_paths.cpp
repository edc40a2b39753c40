// The library's hot paths, each next to its plain-code floor in the same
// program and run, against the engine stub. Ends with one table of the
// ratios and their goals:
//
//   bench_paths                   Google Benchmark, medians of 5 repetitions
//   bench_paths --instructions D [PATH]
//                                 under callgrind (--callgrind-out-file=D/callgrind.out):
//                                 instructions per operation, of the paths
//                                 whose name contains PATH
#include "BenchHost.h"
#include "EngineStub.h"
#include "PathTable.h"
#include "Target.h"

#include "integration/GLDrawAreaListenerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/Trace.h"

#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <malloc.h>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace orvane::sdk::integration;
using bench::BenchDrawArea;
using bench::BenchHost;
using bench::Target;

// One path: `library()` and `floor()` each do `operations` operations.
class Path
{
public:
    virtual ~Path() = default;
    virtual void library() = 0;
    virtual void floor() = 0;
    virtual int operations() const { return 1; }
};

// The engine's five render callbacks for the current page, against the
// same five callbacks made the same way (through the engine's function
// pointers, with the same arguments) each into one virtual call.
class FramePath : public Path
{
public:
    FramePath()
        : m_page(m_host.getPageManager().addPage(&m_area)),
          m_render(stub::renderCallbacks()),
          m_floor{&Callee::query, &Callee::size, &Callee::destination, &Callee::swap,
                  static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(&m_callee))}
    {
    }

    void library() override { frame(m_render); }
    void floor() override { frame(m_floor); }

private:
    void frame(const stub::RenderCallbacks& render)
    {
        const ArbParam_t page = m_page;
        int width = 0;
        int height = 0;
        benchmark::DoNotOptimize(render.query(page, render.clientData));
        render.size(page, render.clientData, &width, &height);
        benchmark::DoNotOptimize(render.destination(1, page, render.clientData));
        benchmark::DoNotOptimize(render.destination(0, page, render.clientData));
        render.swap(page, render.clientData);
    }

    // The least a callback does: one virtual call on what its client value
    // names.
    struct Callee : Target
    {
        static Target& of(ArbParam_t clientData)
        {
            return *reinterpret_cast<Target*>(static_cast<std::intptr_t>(clientData));
        }
        static Boolean_t query(ArbParam_t page, ArbParam_t clientData) { return of(clientData).call(page); }
        static void size(ArbParam_t page, ArbParam_t clientData, int* width, int* height)
        {
            *width = *height = of(clientData).call(page) ? 600 : 1;
        }
        static Boolean_t destination(int, ArbParam_t page, ArbParam_t clientData) { return of(clientData).call(page); }
        static void swap(ArbParam_t page, ArbParam_t clientData) { of(clientData).call(page); }
    };

    BenchDrawArea m_area; // outlives the page
    BenchHost m_host;
    PageInterface& m_page;
    const stub::RenderCallbacks& m_render;
    Callee m_callee;
    const stub::RenderCallbacks m_floor;
};

// The same frame recorded by a running trace (into a sink that keeps
// nothing), against the frame with no trace running.
class TracedFramePath : public FramePath
{
public:
    ~TracedFramePath() override { Trace::stop(); }

    void library() override
    {
        if (!Trace::isRecording())
            Trace::start(Trace::Sink([](const char*, std::size_t) {}));
        FramePath::library();
    }
    void floor() override
    {
        Trace::stop();
        FramePath::library();
    }
};

// A drag (3 events) queued by the drawing area's listener and handed to the
// engine at the next idle time, against a deque push and pop and one engine
// call per event.
class InputPath : public Path
{
public:
    InputPath()
    {
        m_host.getPageManager().addPage(&m_area);
        m_host.monitor.signalMouseButtonStateChanged(MouseEventInterface::MouseButton_1, true);
        library(); // the queue's growth and the first idle callback out of the way
    }

    void library() override
    {
        m_area.drag(100);
        m_host.monitor.notifyOfIdle(m_host.monitor);
    }

    void floor() override
    {
        const int kinds[] = {0, 4, 1};
        for (int kind : kinds)
        {
            m_queue.push_back({100, 10, 1, kind});
            const Event event = m_queue.front();
            m_queue.pop_front();
            OrvUtilDispatchWorkAreaEvent(event.x, event.y, event.button, event.kind, FALSE, FALSE, FALSE);
        }
    }

    int operations() const override { return 3; }

private:
    struct Event
    {
        int x;
        int y;
        int button;
        int kind;
    };

    BenchDrawArea m_area;
    BenchHost m_host;
    std::deque<Event> m_queue;
};

// An expose told to 16 state listeners and 1 connected slot, against a loop
// over 16 virtual calls and the same signal emission.
class ExposePath : public Path
{
public:
    static const int Listeners = 16;

    ExposePath() : m_listeners(Listeners)
    {
        for (Listener& listener : m_listeners)
        {
            m_area.addStateListener(&listener);
            m_targets.push_back(&listener);
        }
        m_area.connectDrawAreaExposed([this](bool) { ++m_slotCalls; });
        m_floorSignal.connect([this](bool) { ++m_slotCalls; });
    }

    void library() override { m_area.expose(); }

    void floor() override
    {
        for (Target* target : m_targets)
            target->call(true);
        m_floorSignal(true);
    }

private:
    class Listener : public GLDrawAreaListenerInterface, public Target
    {
    public:
        void drawAreaExposed(GLDrawAreaInterface&, bool fullDamage) override { call(fullDamage); }
        void drawAreaDestroyed(GLDrawAreaInterface&) override {}
        void drawAreaFocusGained(GLDrawAreaInterface&) override {}
    };

    BenchDrawArea m_area;
    std::vector<Listener> m_listeners;
    std::vector<Target*> m_targets;
    GLDrawAreaInterface::ExposedSignal m_floorSignal;
    long long m_slotCalls = 0;
};

// An engine state change that concerns no page relayed to 1,000 pages,
// against 1,000 virtual calls.
class RelayPath : public Path
{
public:
    static const int Pages = 1000;

    RelayPath()
    {
        for (int page = 0; page < Pages; ++page)
        {
            m_host.getPageManager().addPage(nullptr);
            m_targets.emplace_back(new Target);
        }
    }

    void library() override { stub::fireStateChange(1); }

    void floor() override
    {
        for (const std::unique_ptr<Target>& target : m_targets)
            target->call(1);
    }

private:
    BenchHost m_host;
    std::vector<std::unique_ptr<Target>> m_targets;
};

// A page made with addPage and destroyed by the engine while `pages` others
// live, against one heap allocation and two engine calls, plus what the
// page's public signal types cost whatever the library does: the page's two
// signals made and destroyed, the four page announcements emitted (created
// and destroyed each with the one slot that watches focus, two current-page
// changes without one), and that slot's two connections per page (to the
// page's drawing-area changes and to its drawing area's focus).
class ChurnPath : public Path
{
public:
    explicit ChurnPath(int pages)
    {
        for (int page = 0; page < pages; ++page)
            m_anyPage = &m_host.getPageManager().addPage(nullptr);
        m_previousPage = stub::lastCreatedPage();
        m_floorCreated.connect([this](PageInterface&) { watch(); });
        m_floorDestroyed.connect([this](PageInterface&) { unwatch(); });
    }

    void library() override
    {
        m_host.getPageManager().addPage(&m_area);
        stub::destroyPage(stub::lastCreatedPage(), m_previousPage);
    }

    void floor() override
    {
        m_floorPage.reset(new FloorPage);
        benchmark::DoNotOptimize(OrvUtilPageGetCount());
        PageInterface& page = *m_anyPage;
        m_floorCreated(page);
        m_floorCurrent(page);
        m_floorDestroyed(page);
        m_floorCurrent(page);
        benchmark::DoNotOptimize(OrvUtilPageGetUniqueID());
        m_floorPage.reset();
    }

private:
    struct FloorPage
    {
        PageInterface::NameChangedSignal nameChanged;
        PageInterface::DrawAreaChangedSignal drawAreaChanged;
    };

    void watch()
    {
        m_floorConnections[0] = m_floorPage->drawAreaChanged.connect([](GLDrawAreaInterface*) {});
        m_floorConnections[1] = m_area.connectDrawAreaFocusGained([] {});
    }

    void unwatch()
    {
        m_floorConnections[0].disconnect();
        m_floorConnections[1].disconnect();
    }

    BenchDrawArea m_area;
    BenchHost m_host;
    UniqueID_t m_previousPage = 0;
    PageInterface* m_anyPage = nullptr;
    std::unique_ptr<FloorPage> m_floorPage;
    PageManagerInterface::PageSignal m_floorCreated;
    PageManagerInterface::PageSignal m_floorCurrent;
    PageManagerInterface::PageSignal m_floorDestroyed;
    boost::signals2::connection m_floorConnections[2];
};

struct PathRow
{
    std::string name;
    std::string floor;
    double goal;
    std::function<std::unique_ptr<Path>()> make;
};

const std::vector<PathRow>& rows()
{
    static const std::vector<PathRow> table{
        {"frame: 5 render callbacks for the current page", "5 virtual calls", 2.5,
         [] { return std::unique_ptr<Path>(new FramePath); }},
        {"frame, traced", "the same frame untraced", 80, [] { return std::unique_ptr<Path>(new TracedFramePath); }},
        {"one drawing-area input event, queued and handed over at idle time", "deque push + pop, 1 engine call",
         15, [] { return std::unique_ptr<Path>(new InputPath); }},
        {"expose: 16 state listeners + 1 slot", "16 virtual calls + the slot's emission", 3,
         [] { return std::unique_ptr<Path>(new ExposePath); }},
        {"state-change relay to 1,000 pages", "1,000 virtual calls", 3,
         [] { return std::unique_ptr<Path>(new RelayPath); }},
        {"page churn, 1,000 pages alive", "1 allocation + 2 engine calls", 30,
         [] { return std::unique_ptr<Path>(new ChurnPath(1000)); }},
        {"page churn, 10,000 pages alive", "1 allocation + 2 engine calls", 30,
         [] { return std::unique_ptr<Path>(new ChurnPath(10000)); }},
    };
    return table;
}

// --- memory -------------------------------------------------------------------------

const int MemoryCycles = 10000;
const double FlatKB = 64;

double residentKB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// Heap bytes in use, in kB: under valgrind, where the resident size also
// counts valgrind's own memory.
double heapInUseKB()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd) / 1024.0;
}

// Growth over 10,000 page cycles, after 1,000 that let the heap settle.
double memoryGrowthKB(double (*measure)())
{
    ChurnPath churn(1);
    for (int cycle = 0; cycle < MemoryCycles / 10; ++cycle)
        churn.library();
    const double before = measure();
    for (int cycle = 0; cycle < MemoryCycles; ++cycle)
        churn.library();
    return measure() - before;
}

void addMemoryRow(bench::PathTable& table)
{
    if (RUNNING_ON_VALGRIND)
        table.addGrowth("memory over 10,000 page cycles", "heap in use", memoryGrowthKB(heapInUseKB), FlatKB);
    else
        table.addGrowth("memory over 10,000 page cycles", "RSS", memoryGrowthKB(residentKB), FlatKB);
}

// The library's engine calls must land in the stub, not in another engine.
void requireStubEngine()
{
    const long long before = stub::calls();
    InputPath input;
    if (stub::calls() - before < 3)
    {
        std::fprintf(stderr, "bench_paths: the library's engine calls do not reach the engine stub\n");
        std::exit(1);
    }
}

// --- time ---------------------------------------------------------------------------

// Prints as the console does and keeps each benchmark's median CPU time.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }

    std::map<std::string, double> medians;
};

void registerBenchmarks()
{
    for (const PathRow& row : rows())
    {
        const auto measure = [&row](bool floor) {
            return [&row, floor](benchmark::State& state) {
                const std::unique_ptr<Path> path = row.make();
                for (auto _ : state)
                    floor ? path->floor() : path->library();
            };
        };
        benchmark::RegisterBenchmark((row.name + " [library]").c_str(), measure(false))
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((row.name + " [floor]").c_str(), measure(true))
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kNanosecond);
    }
}

int timeTable(int argc, char** argv)
{
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bench::PathTable table("ns");
    for (const PathRow& row : rows())
    {
        // Rows a --benchmark_filter left out are not shown.
        const auto library = reporter.medians.find(row.name + " [library]");
        const auto floor = reporter.medians.find(row.name + " [floor]");
        if (library == reporter.medians.end() || floor == reporter.medians.end())
            continue;
        const int operations = row.make()->operations();
        table.addRatio(row.name, row.floor, library->second / operations, floor->second / operations, row.goal);
    }
    addMemoryRow(table);
    table.print();
    return 0;
}

// --- instructions ---------------------------------------------------------------------

const int Repeats = 200;

// Instructions of `Repeats` calls of `work`, from the dump callgrind writes
// at the client request.
double instructions(const std::string& directory, int& dumps, const std::function<void()>& work)
{
    for (int warm = 0; warm < 5; ++warm)
        work();
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    for (int repeat = 0; repeat < Repeats; ++repeat)
        work();
    CALLGRIND_DUMP_STATS;
    CALLGRIND_STOP_INSTRUMENTATION;
    std::ifstream dump(directory + "/callgrind.out." + std::to_string(++dumps));
    for (std::string word; dump >> word;)
        if (word == "totals:" || word == "summary:")
        {
            double total = 0;
            dump >> total;
            return total / Repeats;
        }
    std::fprintf(stderr, "bench_paths: no callgrind dump %d in %s\n", dumps, directory.c_str());
    std::exit(1);
}

int instructionTable(const std::string& directory, const std::string& only)
{
    if (!RUNNING_ON_VALGRIND)
    {
        std::fprintf(stderr, "bench_paths: --instructions runs under callgrind (see ./run.sh bench --instructions)\n");
        return 2;
    }
    bench::PathTable table("instructions");
    int dumps = 0;
    for (const PathRow& row : rows())
    {
        if (row.name.find(only) == std::string::npos)
            continue;
        const std::unique_ptr<Path> path = row.make();
        const double library = instructions(directory, dumps, [&path] { path->library(); });
        const double floor = instructions(directory, dumps, [&path] { path->floor(); });
        table.addRatio(row.name, row.floor, library / path->operations(), floor / path->operations(), row.goal);
    }
    if (only.empty())
        addMemoryRow(table);
    table.print();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    requireStubEngine();
    if (argc >= 3 && std::string(argv[1]) == "--instructions")
        return instructionTable(argv[2], argc > 3 ? argv[3] : "");
    return timeTable(argc, argv);
}
