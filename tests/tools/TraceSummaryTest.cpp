// The summary tool's figures, from small documents whose durations, drops
// and waits are known: frames per page and overall, input-to-dispatch
// delays and drops by reason, passes, requests that waited, spans left open,
// and the refusal of a document of another schema version.
#include "TraceAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace orvane {
namespace test {
namespace {

using nlohmann::json;

// Events of one track, written in the order of a clock the caller moves on.
struct Doc
{
    json events = json::array();
    double now = 0; // microseconds

    Doc& wait(double us) { return now += us, *this; }
    Doc& b(const std::string& name, const std::string& cat, json args = json::object())
    {
        events.push_back(
            {{"name", name}, {"cat", cat}, {"ph", "B"}, {"ts", now}, {"pid", 1}, {"tid", 1}, {"args", args}});
        return *this;
    }
    Doc& e(json args = json::object())
    {
        events.push_back({{"ph", "E"}, {"ts", now}, {"pid", 1}, {"tid", 1}, {"args", args}});
        return *this;
    }
    Doc& flow(const char* phase, const std::string& name, long long id)
    {
        events.push_back(
            {{"name", name}, {"cat", "flow"}, {"ph", phase}, {"ts", now}, {"pid", 1}, {"tid", 1}, {"id", id}});
        return *this;
    }
    Doc& s(const std::string& name, long long id) { return flow("s", name, id); }
    Doc& f(const std::string& name, long long id) { return flow("f", name, id); }

    // A frame of `us`, its engine call and a host call inside, with the
    // arguments and results they carry.
    Doc& frame(long long page, double us, int swapped = 1, int drawn = 1)
    {
        b("frame", "frame", {{"page", page}, {"width", 640}, {"height", 480}, {"drawn", drawn}});
        b("OrvEngDrawPage", "engine", {{"lock", 1}, {"page", page}, {"x", 0.5}}).wait(us).e({{"result", 0}});
        return b("swapBuffers", "host", {{"area", 3}}).e({{"result", true}}).e({{"swapped", swapped}}).wait(10);
    }
    // Input reported, handed to the engine `us` later.
    Doc& dispatched(long long flowId, double us)
    {
        b("buttonPressed", "input", {{"area", 1}}).s("input", flowId).e().wait(us);
        return b("idle pass", "pass").b("input.dispatch", "input").f("input", flowId).e().e().wait(10);
    }
    // A request that waits `us` for its idle pass.
    Doc& waited(const std::string& request, long long flowId, double us)
    {
        b(request, "request").s(request, flowId).e().wait(us);
        return b("idle pass", "pass").b("carry out", "request").f(request, flowId).e().e().wait(10);
    }
};

const json CurrentSchema = {{"format", "orvane-boundary-trace"}, {"schemaVersion", 3}};

struct Case
{
    const char* what;
    std::function<void(Doc&)> events;
    int status;
    std::vector<std::string> lines; // in this order among the output's lines
    bool complete = false;           // and no other line
    json other = CurrentSchema;
};

// Values are picked so that a nearest-rank percentile differs from an
// interpolated one and from a rank off by one, and so that rounding to
// microseconds differs from truncating.
const std::vector<Case> Cases = {
    {"frames per page and overall; undrawn frames not counted, refused swaps counted",
     [](Doc& d) {
         for (int k = 0; k < 20; ++k)
             d.frame(1, (7 * k % 20 + 1) * 1000 + 0.6);
         d.frame(2, 5300.8, 0).frame(2, 99999, 1, 0);
     },
     0,
     {"frames: 21, p50 10.001 ms, p95 19.001 ms, max 20.001 ms; swaps refused (interrupted frames): 1",
      "  page 1: 20, p50 10.001 ms, p95 19.001 ms, max 20.001 ms; swaps refused: 0",
      "  page 2: 1, p50 5.301 ms, p95 5.301 ms, max 5.301 ms; swaps refused: 1"}},
    {"input delays, drops by reason, input still queued",
     [](Doc& d) {
         d.dispatched(4294967297, 250.4).dispatched(4294967298, 20000.9).dispatched(7, 1200.6);
         d.b("keyPressed", "input").s("input", 8).e().b("keyPressed", "input").s("input", 9).e();
         d.b("idle pass", "pass").b("input.drop", "input", {{"reason", "page not current"}, {"events", 2}});
         d.f("input", 8).f("input", 9).e().e();
         d.b("mouseMoved", "input").s("input", 10);
         d.b("input.drop", "input", {{"reason", "engine busy: moves are not collected"}}).f("input", 10).e().e();
         d.b("keyPressed", "input").s("input", 11).e();
     },
     0,
     {"input to dispatch: 3, p50 1.201 ms, p95 20.001 ms, max 20.001 ms",
      "  dropped (engine busy: moves are not collected): 1", "  dropped (page not current): 2",
      "flows still waiting at the end (input queued, requests waiting): 1"}},
    {"passes; spans left open, with when they began",
     [](Doc& d) {
         d.b("busy pass", "pass").wait(100.4).e().b("busy pass", "pass").wait(300.6).e();
         d.b("idle pass", "pass").wait(50.6).e().b("idle pass", "pass").wait(90.9).e();
         d.b("idle pass", "pass").wait(70.2).e();
         d.wait(1234567.891 - d.now).b("busyEvents", "callback").wait(1000.6).b("busy pass", "pass");
     },
     0,
     {"busy passes: 2, p50 0.100 ms, p95 0.301 ms, max 0.301 ms",
      "idle passes: 3, p50 0.070 ms, p95 0.091 ms, max 0.091 ms", "spans left open: 2",
      "  busyEvents (callback) on track 1 since 1234.568 ms", "  busy pass (pass) on track 1 since 1235.568 ms"}},
    {"requests that waited, by name, and one dropped while waiting",
     [](Doc& d) {
         d.waited("setCurrentPage", 1, 1500.2).waited("redraw", 2, 42).waited("setCurrentPage", 3, 500.7);
         d.b("deletePage", "request").s("deletePage", 4).e();
         d.b("setCurrentPage", "request").b("request dropped", "request").f("deletePage", 4).e().e();
     },
     0,
     {"requests that waited:", "  redraw: 1, p50 0.042 ms, p95 0.042 ms, max 0.042 ms",
      "  setCurrentPage: 2, p50 0.501 ms, p95 1.500 ms, max 1.500 ms", "  dropped while waiting: 1"}},
    {"nothing recorded",
     [](Doc&) {},
     0,
     {"frames: none; swaps refused (interrupted frames): 0", "input to dispatch: none", "busy passes: none",
      "idle passes: none", "requests that waited: none", "spans left open: none"},
     true},
    {"a malformed document: summarized, its problems listed",
     [](Doc& d) { d.e(); },
     2,
     {"spans left open: none", "problems of the document: 1", "  event 0 (E) ends no open span on track 1"}},
    {"no otherData",
     [](Doc& d) { d.frame(1, 1000); },
     2,
     {"trace-summary: t.json has no schema version: not a trace this library wrote, or an older one"},
     true,
     nullptr},
    {"another version",
     [](Doc& d) { d.frame(1, 1000); },
     2,
     {"trace-summary: t.json has schema version 2; this tool reads version 3: record it again with this library"},
     true,
     {{"format", "orvane-boundary-trace"}, {"schemaVersion", 2}}},
};

TEST(TraceSummary, PrintsTheFiguresOfKnownTraces)
{
    for (const Case& test : Cases)
    {
        SCOPED_TRACE(test.what);
        Doc doc;
        test.events(doc);
        json document = {{"displayTimeUnit", "ns"}, {"traceEvents", doc.events}};
        if (!test.other.is_null())
            document["otherData"] = test.other;
        std::ostringstream output;
        EXPECT_EQ(test.status, tracesummary::summarizeText(document.dump(), "t.json", output, output));

        std::vector<std::string> lines;
        std::istringstream text(output.str());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        auto from = lines.begin();
        for (const std::string& expected : test.lines)
        {
            const auto found = std::find(from, lines.end(), expected);
            EXPECT_TRUE(found != lines.end()) << "missing, or out of order: " << expected << "\nin:\n" << output.str();
            from = found == lines.end() ? from : found + 1;
        }
        if (test.complete)
        {
            EXPECT_EQ(test.lines, lines);
        }
    }
}

} // namespace
} // namespace test
} // namespace orvane
