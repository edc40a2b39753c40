// The boundary layer as the trace shows it: an engine call's span carries
// its result, also where a recorded session cannot check it (a replay
// answers engine calls with the recorded results);
// each engine callback checks its thread in checked mode, and its span is
// closed when a host exception passes through it to the engine.
#include "TraceAnalysis.h"
#include "integration/Diagnostics.h"
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/Trace.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/RunningHost.h"
#include "util/ScopedExitAction.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace orvane {
namespace test {
namespace {

using nlohmann::json;
using sdk::integration::Diagnostics;
using sdk::integration::PageInterface;
using sdk::integration::Trace;
using sdk::ui::common::processIdleActions;
using tracesummary::Span;
using tracesummary::TraceAnalysis;

class BoundaryLayerTest : public RunningHost
{
public:
    ~BoundaryLayerTest() override { Trace::stop(); }

    // `step` recorded into a stream and read back: a well-formed document of
    // schema 2 with nothing left open.
    TraceAnalysis recorded(const std::function<void()>& step)
    {
        std::ostringstream out;
        EXPECT_TRUE(Trace::start(out));
        step();
        Trace::stop();
        const TraceAnalysis trace = TraceAnalysis::fromText(out.str());
        EXPECT_EQ(3, trace.schemaVersion());
        EXPECT_EQ(std::vector<std::string>(), trace.problems());
        for (const Span* open : trace.openSpans())
            ADD_FAILURE() << "left open: " << open->name;
        return trace;
    }
};

// Whether some span named `name` carries every argument of `expected`.
::testing::AssertionResult hasSpan(const TraceAnalysis& trace, const std::string& name, const json& expected)
{
    const std::vector<const Span*> spans = trace.spansNamed(name);
    for (const Span* span : spans)
    {
        bool all = true;
        for (const auto& entry : expected.items())
            all = all && span->args.contains(entry.key()) && span->args[entry.key()] == entry.value();
        if (all)
            return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "no " << name << " with " << expected.dump() << " among";
    for (const Span* span : spans)
        failure << " " << span->args.dump();
    return failure;
}

struct EngineCall
{
    const char* function;
    // Makes the library call `function`; answers the arguments and results
    // its span must carry.
    std::function<json(BoundaryLayerTest&)> drive;
};

const EngineCall EngineCallTable[] = {
    {"OrvUtilPageGetUniqueID",
     [](BoundaryLayerTest& h) {
         return json{{"result", h.pages().addPage(&h.areaA).getUniqueID()}, {"lock", 0}};
     }},
    {"OrvUtilRedraw",
     [](BoundaryLayerTest& h) {
         h.pages().addPage(&h.areaA).redraw();
         return json{{"doFullDrawing", 1}, {"result", 1}, {"lock", 1}};
     }},
    {"AppLock", [](BoundaryLayerTest& h) {
         h.pages().addPage(&h.areaA).redraw();
         return json{{"value", 0}, {"lock", 0}};
     }},
    {"OrvUtilPageDelete",
     [](BoundaryLayerTest& h) {
         h.pages().deletePage(h.pages().addPage(&h.areaA));
         return json{{"result", 1}};
     }},
    {"OrvEngGetHelpAbout",
     [](BoundaryLayerTest& h) {
         // The engine's text copied, then released.
         sim::setHelpAboutText("Engine 9.1");
         EXPECT_EQ("Engine 9.1", h.host->getHelpAbout());
         EXPECT_EQ(0u, sim::outstandingTexts());
         EXPECT_TRUE(sim::misuses().empty());
         return json{{"text", "Engine 9.1"}, {"result", 1}};
     }},
    {"OrvEngGetHelpAbout",
     [](BoundaryLayerTest& h) {
         sim::setHelpAboutText(nullptr);
         EXPECT_EQ("", h.host->getHelpAbout());
         return json{{"text", ""}, {"result", 0}};
     }},
    {"OrvUtilIsBusy",
     [](BoundaryLayerTest& h) {
         sim::setBusy(true);
         EXPECT_TRUE(h.monitor.isBusy());
         return json{{"result", 1}};
     }},
};

// Printed by its function's name (the struct's padding is never read).
void PrintTo(const EngineCall& call, std::ostream* out) { *out << call.function; }

class EngineCalls : public BoundaryLayerTest, public ::testing::WithParamInterface<EngineCall>
{
};

TEST_P(EngineCalls, AreSpansWithTheirArgumentsAndResult)
{
    json expected;
    const TraceAnalysis trace = recorded([&] { expected = GetParam().drive(*this); });
    EXPECT_TRUE(hasSpan(trace, GetParam().function, expected));
}

INSTANTIATE_TEST_SUITE_P(BoundaryLayer, EngineCalls, ::testing::ValuesIn(EngineCallTable));

// The page, busy and idle callbacks, called on another thread in checked
// mode, name themselves to the diagnostics handler (the render callbacks:
// DiagnosticsTest).
TEST_F(BoundaryLayerTest, EachCallbackChecksItsThreadInCheckedMode)
{
    struct Case
    {
        const char* entryPoint;
        std::function<void(PageInterface&)> call; // on the other thread
    };
    const Case cases[] = {
        {"The engine's page-create callback", [](PageInterface&) { sim::requestPage(); }},
        {"The engine's new-current-page callback",
         [](PageInterface& page) {
             const auto& callback = sim::callbacks().pageNewCurrent;
             callback.callback(page, callback.clientData);
         }},
        {"The engine's page-destroy callback",
         [](PageInterface&) {
             // A handle of no page: checked mode ignores it after the check.
             const auto& callback = sim::callbacks().pageDestroy;
             callback.callback(1, callback.clientData);
         }},
        {"The engine's busy-events callback",
         [](PageInterface&) {
             const auto& callback = sim::callbacks().processBusyEvents;
             callback.callback(callback.clientData);
         }},
        {"The engine's on-idle callback", [this](PageInterface&) { reportIdle(); }},
    };
    std::vector<std::string> messages;
    const bool checked = Diagnostics::isCheckedMode();
    const Diagnostics::Handler previous =
        Diagnostics::setHandler([&messages](Diagnostics::Severity_e, const std::string& identifier,
                                            const std::string& message) {
            if (identifier == "thread.not-init-thread")
                messages.push_back(message);
        });
    const ScopedExitAction restore([&] {
        Diagnostics::setCheckedMode(checked);
        Diagnostics::setHandler(previous);
    });
    Diagnostics::setCheckedMode(true);
    PageInterface& page = pages().addPage(&areaA);
    for (const Case& c : cases)
    {
        messages.clear();
        std::thread([&] { c.call(page); }).join();
        bool named = false;
        for (const std::string& message : messages)
            named = named || message.rfind(c.entryPoint, 0) == 0;
        EXPECT_TRUE(named) << c.entryPoint;
    }
}

// A drawing area whose isValid(), getGLContext() or getSize() throws when
// `throwIn` names it.
struct ThrowingArea : TestDrawArea
{
    std::string throwIn;
    void check(const char* call) const
    {
        if (throwIn == call)
            throw std::runtime_error(call);
    }
    bool isValid() override { return check("isValid"), TestDrawArea::isValid(); }
    sdk::integration::GLContextInterface& getGLContext() override
    {
        return check("getGLContext"), TestDrawArea::getGLContext();
    }
    void getSize(int& width, int& height) override { check("getSize"), TestDrawArea::getSize(width, height); }
};

// A host exception inside a callback passes through to the engine, and the
// callback's span, the frame around it and what the library opened inside
// it are closed: where the drawing area throws (render query, destination,
// size), where the top decider throws (swap) and where a page listener
// throws (page creation, by the engine or by the host's addPage).
TEST_F(BoundaryLayerTest, CallbackSpansCloseWhenAHostExceptionPasses)
{
    struct Throwing : sdk::integration::PageRenderDeciderInterface
    {
        bool shouldOpenGLBuffersBeSwapped(PageInterface&) const override { throw std::runtime_error("decider"); }
    };
    ThrowingArea area;
    pages().addPage(&area);
    for (const char* call : {"isValid", "getGLContext", "getSize"})
    {
        area.throwIn = call;
        const TraceAnalysis frame = recorded([] { EXPECT_THROW(sim::drawCurrentPage(), std::runtime_error); });
        EXPECT_TRUE(hasSpan(frame, "frame", json{{"drawn", 0}, {"swapped", 0}})) << call;
    }
    area.throwIn.clear();
    const TraceAnalysis trace = recorded([&] {
        pages().pushPageRenderDecider(boost::make_shared<Throwing>());
        EXPECT_THROW(sim::drawCurrentPage(), std::runtime_error);
        pages().popPageRenderDecider();
        const boost::signals2::scoped_connection throwing =
            pages().connectPageCreated([](PageInterface&) { throw std::runtime_error("listener"); });
        EXPECT_THROW(sim::requestPage(), std::runtime_error);
        EXPECT_THROW(pages().addPage(&areaB), std::runtime_error);
    });
    EXPECT_TRUE(hasSpan(trace, "frame", json{{"drawn", 1}, {"swapped", 0}}));
    for (const char* name : {"shouldOpenGLBuffersBeSwapped", "swapBuffers", "pageCreate", "addPage"})
        EXPECT_FALSE(trace.spansNamed(name).empty()) << name;
    host->stop(); // while the drawing area exists
}

} // namespace
} // namespace test
} // namespace orvane
