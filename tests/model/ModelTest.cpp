// The library driven by seeded random sessions: the fuzz target's boundary
// session (fuzz/BoundarySession.cpp, with its model engine and invariants)
// decodes bytes of a seeded generator instead of the fuzzer's, so that long
// sessions run in every build; and a long run of page cycles shows that
// nothing piles up.
//
// ORVANE_MODEL_SEEDS and ORVANE_MODEL_STEPS set the budget (./run.sh soak);
// ORVANE_MODEL_SEED replays one seed. A failure prints its seed and the
// last steps, and the seed's session is run again while a boundary trace
// records it into model-seed-SEED.json (orvane-replay replays it).
#include "TraceAnalysis.h"
#include "fuzz/BoundarySession.h"
#include "model/ModelEngine.h"

#include "integration/GLDrawAreaFactoryInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/Trace.h"
#include "support/TestDrawArea.h"
#include "support/TestHostManager.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace orvane::sdk::integration;
using orvane::test::TestDrawArea;

unsigned long environmentNumber(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoul(value, nullptr, 10) : fallback;
}

// A session takes a few bytes a step.
std::vector<std::uint8_t> sessionBytes(unsigned seed, unsigned long steps)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(steps * 6);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

TEST(ModelTest, RandomSessionsKeepTheLibraryInStepWithTheEngine)
{
    const unsigned long steps = environmentNumber("ORVANE_MODEL_STEPS", 2000);
    const unsigned long replay = environmentNumber("ORVANE_MODEL_SEED", 0);
    const unsigned long seeds = replay != 0 ? 1 : environmentNumber("ORVANE_MODEL_SEEDS", 256);
    for (unsigned long i = 0; i < seeds; ++i)
    {
        const unsigned seed = static_cast<unsigned>(replay != 0 ? replay : 1 + i);
        const std::vector<std::uint8_t> bytes = sessionBytes(seed, steps);
        std::string failure;
        if (fuzz::runBoundarySession(bytes.data(), bytes.size(), &failure))
            continue;
        // The same seed again, recorded: the failure as a file to attach.
        const std::string path = "model-seed-" + std::to_string(seed) + ".json";
        std::string again;
        fuzz::recordBoundarySession(bytes.data(), bytes.size(), path, &again);
        ADD_FAILURE() << "seed " << seed << " (replay: ORVANE_MODEL_SEED=" << seed << "): " << failure
                      << "the failing session's boundary trace: " << path;
        break;
    }
}

// Sessions recorded in the smallest buffers: hostile host code, stops from
// listeners and busy passes leave a document the summary tool's reader takes
// without a problem, no span left open but for the frames the engine dropped,
// no page counted live at the end.
TEST(ModelTest, RecordedSessionsAreWellFormedTraces)
{
    for (unsigned seed = 1; seed <= 8; ++seed)
    {
        const std::vector<std::uint8_t> bytes = sessionBytes(seed, 2000);
        std::string text;
        ASSERT_TRUE(Trace::start([&text](const char* data, std::size_t size) { text.append(data, size); },
                                 Trace::MinimumBufferBytes));
        std::string failure;
        EXPECT_TRUE(fuzz::runBoundarySession(bytes.data(), bytes.size(), &failure)) << failure;
        Trace::stop();
        const auto trace = orvane::tracesummary::TraceAnalysis::fromText(text);
        EXPECT_EQ(std::vector<std::string>(), trace.problems()) << "seed " << seed;
        // A frame the engine dropped is never ended, and the spans around it
        // end one level off; every other span is ended.
        long long framesEnded = 0;
        for (const auto& span : trace.spans())
            framesEnded += span.number("drawn", -1) >= 0 ? 1 : 0;
        EXPECT_LE(static_cast<long long>(trace.openSpans().size()),
                  static_cast<long long>(trace.spansNamed("frame").size()) - framesEnded)
            << "seed " << seed;
        EXPECT_EQ(0, trace.counters().at("live pages").back().value) << "seed " << seed;
    }
}

long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Pages made and deleted by the host and by the engine, on one reused
// drawing area and on fresh ones: nothing piles up.
TEST(ModelTest, LongSessionsStayFlat)
{
#if defined(__SANITIZE_ADDRESS__)
    const unsigned long defaultCycles = 20000; // memory is not measured there
#else
    const unsigned long defaultCycles = 100000;
#endif
    const unsigned long cycles = environmentNumber("ORVANE_MODEL_CYCLES", defaultCycles);
    model::reset();
    orvane::test::TestHostManager host;
    char program[] = "model";
    char* argv[] = {program};
    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, host.init(1, argv, "/opt/engine"));
    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, host.start());
    PageManagerInterface& pages = host.getPageManager();
    TestDrawArea reused;
    struct FreshAreas : GLDrawAreaFactoryInterface
    {
        std::unique_ptr<TestDrawArea> last;
        GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList&) override
        {
            last.reset(new TestDrawArea);
            return last.get();
        }
    } factory;
    pages.setGLDrawAreaFactory(factory);

    long before = 0;
    for (unsigned long cycle = 0; cycle < cycles; ++cycle)
    {
        if (cycle == cycles / 10)
            before = residentKilobytes();
        std::unique_ptr<TestDrawArea> fresh;
        switch (cycle % 3)
        {
        case 0:
            pages.deletePage(pages.addPage(&reused));
            break;
        case 1:
            fresh.reset(new TestDrawArea);
            pages.deletePage(pages.addPage(fresh.get()));
            break;
        default:
            ASSERT_TRUE(model::requestPage());
            ASSERT_TRUE(model::deletePage(model::engine().current));
            break;
        }
        ASSERT_EQ(0, pages.pageCount());
    }
    EXPECT_EQ(0u, reused.signalDrawAreaFocusGained.num_slots());
    EXPECT_TRUE(reused.stateListeners.empty());
    // Memory tools keep memory of their own: valgrind's run sets the limit to
    // 0, and AddressSanitizer's quarantine holds freed blocks.
#if defined(__SANITIZE_ADDRESS__)
    const long limit = 0;
#else
    const long limit = static_cast<long>(environmentNumber("ORVANE_MODEL_RSS_LIMIT_KB", 512));
#endif
    if (limit > 0)
    {
        EXPECT_LT(residentKilobytes() - before, limit) << "kB of growth over " << cycles << " page cycles";
    }
    host.stop();
}

} // namespace
