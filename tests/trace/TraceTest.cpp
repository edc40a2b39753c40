// The boundary trace read back as a host writer's tool reads it: sessions
// on the simulated engine recorded, then parsed with nlohmann-json by the
// summary tool's reader, which also checks the document's form.
#include "TraceAnalysis.h"
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/Trace.h"
#include "integration/intern/TraceObserver.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/RunningHost.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace orvane {
namespace test {
namespace {

using sdk::integration::MouseEventInterface;
using sdk::integration::PageInterface;
using sdk::integration::Trace;
using sdk::ui::common::processIdleActions;
using tracesummary::Flow;
using tracesummary::Span;
using tracesummary::TraceAnalysis;

class TraceTest : public RunningHost
{
protected:
    ~TraceTest() override { Trace::stop(); }

    // Records from now into `text`, in pieces of at most `bufferBytes`.
    void record(std::size_t bufferBytes = Trace::MinimumBufferBytes)
    {
        text.clear();
        ASSERT_TRUE(Trace::start([this](const char* data, std::size_t size) { text.append(data, size); }, bufferBytes));
    }

    TraceAnalysis finish()
    {
        Trace::stop();
        return TraceAnalysis::fromText(text);
    }

    // Every span closed inside the span around it, no problem in the
    // document; every frame names its page and size.
    static void expectWellFormed(const TraceAnalysis& trace)
    {
        EXPECT_EQ(std::vector<std::string>(), trace.problems());
        EXPECT_TRUE(trace.openSpans().empty());
        for (const Span& span : trace.spans())
        {
            EXPECT_LE(span.begin, span.end) << span.name;
            if (span.parent >= 0)
            {
                const Span& parent = trace.spans()[static_cast<std::size_t>(span.parent)];
                EXPECT_TRUE(parent.begin <= span.begin && span.end <= parent.end) << span.name << " in " << parent.name;
            }
            if (span.name == "frame")
            {
                EXPECT_GE(span.number("page"), 0);
                if (span.number("drawn") == 1 && span.number("swapped") == 1)
                {
                    EXPECT_GT(span.number("width"), 0);
                }
            }
        }
    }

    static const Span& spanOf(const TraceAnalysis& trace, long long index)
    {
        return trace.spans().at(static_cast<std::size_t>(index));
    }

    // Whether `span` lies inside a span named `name`.
    static bool inside(const TraceAnalysis& trace, const Span& span, const std::string& name)
    {
        for (long long at = span.parent; at >= 0; at = spanOf(trace, at).parent)
            if (spanOf(trace, at).name == name)
                return true;
        return false;
    }

    std::string text;
};

// Texts as a document carries them: each byte of an ill-formed UTF-8
// sequence as U+FFFD, cut to 120 bytes before a character that would not
// fit whole; recorded again, they stay as they are (a replay compares them).
TEST(TraceTextTest, IllFormedBytesAreReplacedAndTheCutKeepsCharactersWhole)
{
    const std::string bad = "\xEF\xBF\xBD";
    const std::string x119(119, 'x');
    std::string bad40;
    for (int i = 0; i < 40; ++i)
        bad40 += bad;
    const struct
    {
        std::string text;
        std::string recorded;
    } cases[] = {{"plain \"quoted\"", "plain \"quoted\""},
                 {"\xC3\xA9t\xC3\xA9 \xF0\x9F\x93\x88", "\xC3\xA9t\xC3\xA9 \xF0\x9F\x93\x88"},
                 {"a\xFF" "b\xC3", "a" + bad + "b" + bad},
                 {"\xE0\x80\xAF\xED\xA0\x80", bad + bad + bad + bad + bad + bad}, // overlong, surrogate
                 {"\xF4\x90\x80\x80", bad + bad + bad + bad},                     // beyond U+10FFFF
                 {x119 + "\xC3\xA9", x119},
                 {std::string(50, '\xFF'), bad40}};
    for (const auto& row : cases)
    {
        EXPECT_EQ(row.recorded, sdk::integration::intern::TraceObserver::recordedText(row.text.c_str())) << row.text;
        EXPECT_EQ(row.recorded, sdk::integration::intern::TraceObserver::recordedText(row.recorded.c_str()));
    }
}

// A frame, a rename, a deletion that waits for the engine's busy loop to
// end, a move the busy loop drops and input that an interrupt drops, each
// where the session put it; then a frame whose swap the top decider
// refuses, drawn on another thread: drawn, not swapped, on a track of its
// own.
TEST_F(TraceTest, AFrameAWaitingDeletionAndDroppedInputAreWhereTheSessionPutThem)
{
    PageInterface& first = pages().addPage(&areaA);
    PageInterface& second = pages().addPage(&areaB);
    pages().setCurrentPage(first);
    areaA.width = 320;
    areaA.height = 200;
    const long long secondID = second.getUniqueID();
    record(Trace::DefaultBufferBytes);

    sim::drawCurrentPage();
    sim::renamePage(first.getUniqueID(), "renamed");
    monitor.post([&] {
        pages().deletePage(second);
        areaA.simulateMove(5, 6);
    });
    sim::runBusyOperation(2);
    processIdleActions();
    areaA.simulatePress(MouseEventInterface::MouseButton_1, 10, 20);
    areaA.simulateMove(30, 40);
    areaA.simulateRelease(MouseEventInterface::MouseButton_1, 30, 40);
    sim::setInterruptFlag(true);
    reportIdle();
    struct Refusing : sdk::integration::PageRenderDeciderInterface
    {
        bool shouldOpenGLBuffersBeSwapped(PageInterface&) const override { return false; }
    };
    pages().pushPageRenderDecider(boost::make_shared<Refusing>());
    std::thread([] { sim::drawCurrentPage(); }).join();

    const TraceAnalysis trace = finish();
    expectWellFormed(trace);

    const std::vector<const Span*> frames = trace.spansNamed("frame");
    ASSERT_EQ(2u, frames.size());
    const bool guiFirst = frames[0]->tid == 1; // the GUI thread's track
    const Span& shown = *frames[guiFirst ? 0 : 1];
    const Span& refused = *frames[guiFirst ? 1 : 0];
    EXPECT_EQ(first.getUniqueID(), refused.number("page"));
    EXPECT_EQ(1, refused.number("drawn"));
    EXPECT_EQ(0, refused.number("swapped"));
    EXPECT_EQ(1, areaA.context.count(TestGLContext::Call_SwapBuffers));
    EXPECT_EQ("thread " + std::to_string(refused.tid), trace.trackNames().at(refused.tid));
    EXPECT_EQ("GUI thread", trace.trackNames().at(shown.tid));
    EXPECT_EQ(first.getUniqueID(), shown.number("page"));
    EXPECT_EQ(320, shown.number("width"));
    EXPECT_EQ(200, shown.number("height"));
    EXPECT_EQ(1, shown.number("swapped"));
    std::vector<std::string> inFrame;
    for (const Span& span : trace.spans())
        if (span.depth == shown.depth + 1 && span.begin >= shown.begin && span.end <= shown.end && span.tid == shown.tid)
            inFrame.push_back(span.name);
    EXPECT_EQ((std::vector<std::string>{"renderQuery", "renderDestSize", "renderDest", "renderDest", "swapBuffers"}),
              inFrame);

    std::vector<const Flow*> deletions;
    std::vector<const Flow*> inputs;
    for (const auto& entry : trace.flows())
        (entry.second.name == "deletePage" ? deletions : inputs).push_back(&entry.second);
    ASSERT_EQ(1u, deletions.size());
    const Span& asked = spanOf(trace, deletions[0]->startSpan);
    EXPECT_EQ("deletePage", asked.name);
    EXPECT_EQ(secondID, asked.number("page"));
    EXPECT_TRUE(inside(trace, asked, "busy pass"));
    EXPECT_EQ("carry out", spanOf(trace, deletions[0]->endSpan).name);

    // The busy loop's move first: its flow is not one of a queue's.
    ASSERT_EQ(4u, inputs.size());
    EXPECT_EQ("mouseMoved", spanOf(trace, inputs[0]->startSpan).name);
    EXPECT_TRUE(inside(trace, spanOf(trace, inputs[0]->startSpan), "busy pass"));
    EXPECT_EQ("engine busy: moves are not collected", spanOf(trace, inputs[0]->endSpan).args.value("reason", ""));
    EXPECT_EQ("buttonPressed", spanOf(trace, inputs[1]->startSpan).name);
    EXPECT_EQ("input.dispatch", spanOf(trace, inputs[1]->endSpan).name);
    EXPECT_TRUE(inside(trace, spanOf(trace, inputs[1]->endSpan), "idle pass"));
    EXPECT_EQ(1, spanOf(trace, inputs[1]->endSpan).number("interrupted"));
    for (const Flow* dropped : {inputs[2], inputs[3]})
    {
        const Span& drop = spanOf(trace, dropped->endSpan);
        EXPECT_EQ("input.drop", drop.name);
        EXPECT_EQ("engine interrupted", drop.args.value("reason", ""));
    }
    // The live pages as the manager counts them.
    EXPECT_EQ(1, trace.counters().at("live pages").back().value);
    // The engine's rename, where it reaches the pages.
    const std::vector<const Span*> stateChanges = trace.spansNamed("stateChange");
    ASSERT_EQ(1u, stateChanges.size());
    EXPECT_EQ(7, stateChanges[0]->number("change"));
}

// Input queued in one recording and dispatched in the next: the second
// document holds only the flows that began in it. More events than the
// queue first has room for (32) are all dispatched, in order.
TEST_F(TraceTest, InputQueuedAcrossARestartAndBeyondTheQueuesFirstCapacity)
{
    pages().addPage(&areaA);
    record();
    areaA.simulatePress(MouseEventInterface::MouseButton_1, 600, 1);
    const TraceAnalysis first = finish();
    EXPECT_EQ(1u, first.waitingFlows().size());

    record();
    const int queued = 41;
    for (int x = 0; x < queued - 1; ++x)
        if (x % 2 == 0)
            areaA.simulateRelease(MouseEventInterface::MouseButton_1, x, 1);
        else
            areaA.simulatePress(MouseEventInterface::MouseButton_1, x, 1);
    reportIdle();
    const TraceAnalysis second = finish();
    expectWellFormed(second);
    EXPECT_TRUE(second.waitingFlows().empty());
    EXPECT_EQ(static_cast<std::size_t>(queued - 1), second.flows().size());
    for (const auto& entry : second.flows())
        EXPECT_TRUE(entry.second.started && entry.second.ended);
    const std::vector<sim::WorkAreaEvent>& dispatched = sim::workAreaEvents();
    ASSERT_EQ(static_cast<std::size_t>(queued), dispatched.size());
    EXPECT_EQ(600, dispatched[0].x);
    for (int x = 0; x < queued - 1; ++x)
        EXPECT_EQ(x, dispatched[static_cast<std::size_t>(x) + 1].x);
}

} // namespace
} // namespace test
} // namespace orvane
