// The library reaches the engine through the dynamic linker: engine
// functions defined in this executable (a test engine) take the place of the
// simulated engine's without rebuilding anything. The executable exports its
// symbols, so the library's calls bind to these definitions.
#include "integration/ManagerAbstract.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int g_startupCalls = 0;

} // namespace

extern "C" {

// The test engine's own help text and a start-up that always fails; every
// other function stays the simulated engine's.
Boolean_t OrvEngGetHelpAbout(char** text)
{
    const char help[] = "Test engine";
    *text = OrvUtilStringAlloc(sizeof help, "test engine help");
    std::memcpy(*text, help, sizeof help);
    return TRUE;
}

Boolean_t OrvEngStartup(void)
{
    ++g_startupCalls;
    return FALSE;
}

} // extern "C"

namespace {

using namespace orvane::sdk::integration;

class Monitor : public intern::ApplicationEventMonitorAbstract
{
public:
    using ApplicationEventMonitorAbstract::ApplicationEventMonitorAbstract;
    bool isReady() override { return true; }
    bool stopMonitoring() override { return true; }
    void processPendingEvents() override {}
    void engineInterrupted() override {}
};

class Host : public ManagerAbstract
{
public:
    ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return m_monitor; }

private:
    Monitor m_monitor{*this};
};

TEST(EngineInterpositionTest, ATestEngineInTheExecutableReplacesEngineFunctions)
{
    orvane::sim::reset();
    Host host;
    char program[] = "host";
    char* argv[] = {program};
    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, host.init(1, argv, "/opt/engine"));

    EXPECT_EQ("Test engine", host.getHelpAbout());
    EXPECT_EQ(ManagerInterface::ManagerStartReturnCode_InternalInitializationError, host.start());
    EXPECT_EQ(1, g_startupCalls);
    // The simulated engine never saw the replaced calls.
    EXPECT_EQ(0u, orvane::sim::countCalls("OrvEngStartup"));
    EXPECT_EQ(0u, orvane::sim::outstandingTexts());

    host.stop();
}

} // namespace
