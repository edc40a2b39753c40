// The diagnostics channel: each kind of host mistake, provoked on a running
// host, reaches the handler with its identifier and severity (a call from
// another thread on that thread: the ThreadSanitizer run checks that the
// handler is read there without a race); checked mode ignores stale page
// handles; by default the library drops every report and checked mode is
// off. Then what the hosts here set up (hosts/common): checked mode as
// ORVANE_CHECKED says, and a handler printing the first report of each
// identifier, from any thread, unless the application has one of its own.
#include "HostDiagnostics.h"
#include "integration/Diagnostics.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/RunningHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using namespace orvane::sdk::integration;
namespace sim = orvane::sim;
using orvane::test::RunningHost;

typedef std::pair<Diagnostics::Severity_e, std::string> Report;

class DiagnosticsTest : public RunningHost
{
public:
    std::vector<Report> reports;

    DiagnosticsTest()
        : m_checkedMode(Diagnostics::isCheckedMode()),
          m_previous(Diagnostics::setHandler(
              [this](Diagnostics::Severity_e severity, const std::string& identifier, const std::string& message) {
                  EXPECT_FALSE(message.empty()) << identifier;
                  reports.emplace_back(severity, identifier);
              }))
    {
        Diagnostics::setCheckedMode(false);
    }
    ~DiagnosticsTest() override
    {
        Diagnostics::setCheckedMode(m_checkedMode);
        Diagnostics::setHandler(m_previous);
    }

private:
    bool m_checkedMode;
    Diagnostics::Handler m_previous;
};

struct Mistake
{
    const char* identifier;
    Diagnostics::Severity_e severity;
    std::function<void(DiagnosticsTest&)> provoke;
};

// Printed by its identifier (the struct's padding is never read).
void PrintTo(const Mistake& mistake, std::ostream* out) { *out << mistake.identifier; }

class Kinds : public DiagnosticsTest, public ::testing::WithParamInterface<Mistake>
{
};

ArbParam_t handleOf(PageInterface& page) { return page; }

const Mistake Mistakes[] = {
    {"init.no-misc-service", Diagnostics::Severity_Warning,
     [](DiagnosticsTest& h) {
         h.host->stop();
         { orvane::test::FakeManagerMiscService gone; } // leaves no service current
         char program[] = "host";
         char* argv[] = {program};
         h.host->init(1, argv, "/opt/engine");
     }},
    {"input.not-current-page", Diagnostics::Severity_Warning,
     [](DiagnosticsTest& h) {
         h.pages().addPage(&h.areaA);
         h.pages().addPage(&h.areaB);
         h.areaA.simulatePress(MouseEventInterface::MouseButton_1, 3, 4);
         h.pages().addPage(nullptr); // another page becomes current
     }},
    {"damage.not-current-page", Diagnostics::Severity_Warning,
     [](DiagnosticsTest& h) {
         h.pages().addPage(&h.areaA);
         h.pages().addPage(&h.areaB);
         h.areaA.simulateExpose(true);
         orvane::sdk::ui::common::processIdleActions();
     }},
    {"render.no-draw-area", Diagnostics::Severity_Warning,
     [](DiagnosticsTest& h) {
         h.pages().addPage(nullptr);
         sim::drawCurrentPage();
     }},
    {"render.make-current-failed", Diagnostics::Severity_Error,
     [](DiagnosticsTest& h) {
         Diagnostics::setCheckedMode(true);
         h.pages().addPage(&h.areaA);
         h.areaA.context.makeCurrentSucceeds = false;
         sim::drawCurrentPage();
     }},
    {"thread.not-init-thread", Diagnostics::Severity_Error,
     [](DiagnosticsTest& h) {
         // In checked mode every render callback checks its thread too.
         Diagnostics::setCheckedMode(true);
         const ArbParam_t page = handleOf(h.pages().addPage(&h.areaA));
         std::thread([page] {
             const sim::Callbacks& engine = sim::callbacks();
             engine.renderQuery.callback(page, engine.renderQuery.clientData);
             int width = 0;
             int height = 0;
             engine.renderDestSize.callback(page, engine.renderDestSize.clientData, &width, &height);
             engine.renderDest.callback(1, page, engine.renderDest.clientData);
             engine.renderDest.callback(0, page, engine.renderDest.clientData);
             engine.swapBuffers.callback(page, engine.swapBuffers.clientData);
         }).join();
         EXPECT_EQ(5, std::count(h.reports.begin(), h.reports.end(),
                                 Report(Diagnostics::Severity_Error, "thread.not-init-thread")));
     }},
    {"request.waits", Diagnostics::Severity_Warning,
     [](DiagnosticsTest& h) {
         // Each time the page to delete becomes current, a listener makes
         // another page, which the engine makes current.
         PageInterface& first = h.pages().addPage(&h.areaA);
         h.pages().addPage(&h.areaB);
         int made = 0;
         const boost::signals2::scoped_connection overtaking =
             h.pages().connectPageCurrentChanged([&h, &first, &made](PageInterface&) {
                 if (h.pages().getCurrentPage() == &first && made++ < 2)
                     h.pages().addPage(nullptr);
             });
         h.pages().deletePage(first);
         orvane::sdk::ui::common::processIdleActions();
         EXPECT_EQ(4, h.pages().pageCount()); // set aside, not dropped
     }},
    {"engine.stale-monitor", Diagnostics::Severity_Error,
     [](DiagnosticsTest& h) {
         // A second monitor takes the busy callback and is destroyed while
         // the engine runs: its passes are ignored, not followed.
         { orvane::test::TestApplicationEventMonitor second(*h.host); }
         sim::runBusyOperation(2);
         EXPECT_EQ(0, h.monitor.busyPasses);
     }},
    {"request.ignored", Diagnostics::Severity_Warning,
     [](DiagnosticsTest& h) {
         PageInterface& first = h.pages().addPage(&h.areaA);
         const boost::signals2::scoped_connection switching =
             h.pages().connectPageCreated([&h, &first](PageInterface&) { h.pages().setCurrentPage(first); });
         PageInterface& second = h.pages().addPage(&h.areaB);
         EXPECT_EQ(&second, h.pages().getCurrentPage());
     }},
    {"engine.stale-page-handle", Diagnostics::Severity_Error,
     [](DiagnosticsTest& h) {
         Diagnostics::setCheckedMode(true);
         PageInterface& kept = h.pages().addPage(&h.areaA);
         PageInterface& gone = h.pages().addPage(&h.areaB);
         const ArbParam_t stale = handleOf(gone);
         h.pages().deletePage(gone);
         // Each callback ignores the handle: nothing is followed (the
         // sanitizers would see it), drawn, counted or made current.
         const sim::Callbacks& engine = sim::callbacks();
         EXPECT_FALSE(engine.renderQuery.callback(stale, engine.renderQuery.clientData));
         EXPECT_FALSE(engine.renderDest.callback(1, stale, engine.renderDest.clientData));
         int width = -1;
         int height = -1;
         engine.renderDestSize.callback(stale, engine.renderDestSize.clientData, &width, &height);
         engine.swapBuffers.callback(stale, engine.swapBuffers.clientData);
         engine.pageNewCurrent.callback(stale, engine.pageNewCurrent.clientData);
         engine.pageDestroy.callback(stale, engine.pageDestroy.clientData);
         EXPECT_EQ(-1, width);
         EXPECT_TRUE(h.areaB.context.calls.empty());
         EXPECT_EQ(1, h.pages().pageCount());
         EXPECT_EQ(&kept, h.pages().getCurrentPage());
     }},
};

TEST_P(Kinds, AreReportedWithTheirIdentifierAndSeverity)
{
    GetParam().provoke(*this);
    const auto found = std::find_if(reports.begin(), reports.end(),
                                    [](const Report& report) { return report.second == GetParam().identifier; });
    ASSERT_NE(reports.end(), found) << GetParam().identifier << " was not reported";
    EXPECT_EQ(GetParam().severity, found->first);
}

INSTANTIATE_TEST_SUITE_P(Diagnostics, Kinds, ::testing::ValuesIn(Mistakes),
                         [](const ::testing::TestParamInfo<Mistake>& info) {
                             std::string name = info.param.identifier;
                             std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return name;
                         });

// Read before any test runs; ctest runs this program with ORVANE_CHECKED=1,
// which only a host reads.
const bool CheckedModeAtLoad = Diagnostics::isCheckedMode();

TEST_F(DiagnosticsTest, NormalUseReportsNothingAndByDefaultNothingIsWrittenOrChecked)
{
    EXPECT_FALSE(CheckedModeAtLoad);
    pages().addPage(&areaA);
    PageInterface& current = pages().addPage(&areaB);
    areaB.simulateExpose(true);
    sim::drawCurrentPage();
    reportIdle();
    orvane::sdk::ui::common::processIdleActions();
    EXPECT_TRUE(reports.empty());

    Diagnostics::setHandler(Diagnostics::Handler());
    ::testing::internal::CaptureStderr();
    areaA.simulateExpose(true);
    orvane::sdk::ui::common::processIdleActions();
    std::thread([this, &current] { pages().setCurrentPage(current); }).join();
    EXPECT_EQ("", ::testing::internal::GetCapturedStderr());
    EXPECT_TRUE(reports.empty());
}

// --- What the hosts set up ----------------------------------------------------

using orvane::sdk::hostcommon::setUpHostDiagnostics;

class HostDiagnosticsTest : public ::testing::Test
{
protected:
    HostDiagnosticsTest() : m_checkedMode(Diagnostics::isCheckedMode()), m_previous(Diagnostics::setHandler({})) {}
    ~HostDiagnosticsTest() override
    {
        unsetenv("ORVANE_CHECKED"); // nothing else here reads it
        Diagnostics::setCheckedMode(m_checkedMode);
        Diagnostics::setHandler(m_previous);
    }

    // The handler installed now, left installed.
    static Diagnostics::Handler installed()
    {
        const Diagnostics::Handler handler = Diagnostics::setHandler({});
        Diagnostics::setHandler(handler);
        return handler;
    }

private:
    bool m_checkedMode;
    Diagnostics::Handler m_previous;
};

TEST_F(HostDiagnosticsTest, CheckedModeFollowsTheEnvironmentWhenItSaysOneOrZero)
{
    const struct
    {
        const char* value; // nullptr: unset
        bool before;
        bool after;
    } cases[] = {{"1", false, true}, {"0", true, false}, {nullptr, true, true},
                 {nullptr, false, false}, {"yes", false, false}, {"", true, true}};
    for (const auto& setting : cases)
    {
        if (setting.value != nullptr)
            setenv("ORVANE_CHECKED", setting.value, 1);
        else
            unsetenv("ORVANE_CHECKED");
        Diagnostics::setCheckedMode(setting.before);
        setUpHostDiagnostics();
        EXPECT_EQ(setting.after, Diagnostics::isCheckedMode())
            << "ORVANE_CHECKED=" << (setting.value != nullptr ? setting.value : "(unset)") << ", before "
            << setting.before;
    }
}

// The application's handler stays. Otherwise reports of two identifiers
// from several threads at once, then once more after setting up again: each
// identifier is printed once, whole.
TEST_F(HostDiagnosticsTest, PrintsTheFirstReportOfEachIdentifierUnlessTheApplicationHasAHandler)
{
    int calls = 0;
    Diagnostics::setHandler([&calls](Diagnostics::Severity_e, const std::string&, const std::string&) { ++calls; });
    setUpHostDiagnostics();
    installed()(Diagnostics::Severity_Warning, "test.own", "kept");
    EXPECT_EQ(1, calls);

    Diagnostics::setHandler({});
    setUpHostDiagnostics();
    const Diagnostics::Handler printer = installed();
    ASSERT_FALSE(printer.empty());
    ::testing::internal::CaptureStderr();
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread)
        threads.emplace_back([&printer] {
            printer(Diagnostics::Severity_Error, "test.error", "an error");
            printer(Diagnostics::Severity_Warning, "test.warning", "a warning");
        });
    for (std::thread& thread : threads)
        thread.join();
    setUpHostDiagnostics();
    installed()(Diagnostics::Severity_Error, "test.error", "again");
    const std::string printed = ::testing::internal::GetCapturedStderr();
    const std::string error = "orvane: error [test.error]: an error\n";
    const std::string warning = "orvane: warning [test.warning]: a warning\n";
    EXPECT_TRUE(printed == error + warning || printed == warning + error) << printed;
}

} // namespace
