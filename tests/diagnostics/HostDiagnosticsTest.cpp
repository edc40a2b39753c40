// What the hosts here set up (hosts/common): checked mode as ORVANE_CHECKED
// says, and a handler printing the first report of each identifier, from
// any thread, unless the application has one of its own.
#include "HostDiagnostics.h"

#include "integration/Diagnostics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using orvane::sdk::hostcommon::setUpHostDiagnostics;
using orvane::sdk::integration::Diagnostics;

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
