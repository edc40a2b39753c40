// Replay throughput without frames: the recorded sessions of the corpus
// (tests/replay) replayed again and again, in crossings per second (goal: at
// least one million), and the replay's time against the recorded session's
// (the span from the recording's first event to its last).
#include "Recording.h"
#include "Replay.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void replaySession(benchmark::State& state, const std::string& file)
{
    const orvane::replay::Recording recording = orvane::replay::Recording::fromFile(file);
    const std::vector<orvane::replay::RecordedSpan>& spans = recording.spans();
    double recordedMicroseconds = 0;
    for (const orvane::replay::RecordedSpan& span : spans)
        recordedMicroseconds = std::max(recordedMicroseconds, span.span->end - spans.front().span->begin);
    std::size_t crossings = 0;
    for (auto _ : state)
    {
        const orvane::replay::Outcome outcome = orvane::replay::replay(recording);
        if (outcome.diverged)
        {
            state.SkipWithError(outcome.report.c_str());
            return;
        }
        crossings = outcome.crossings;
    }
    state.counters["crossings/s"] =
        benchmark::Counter(static_cast<double>(crossings), benchmark::Counter::kIsIterationInvariantRate);
    // Replayed time over recorded time, per session.
    state.counters["replay/recorded"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * recordedMicroseconds * 1e-6,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

int main(int argc, char** argv)
{
    for (const char* name : {"console-demo", "headless-render", "glfw-demo", "qt-demo"})
        benchmark::RegisterBenchmark((std::string("replay/") + name).c_str(), replaySession,
                                     std::string(ORVANE_REPLAY_CORPUS) + "/" + name + ".json")
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
