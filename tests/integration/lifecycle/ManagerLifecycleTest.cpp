// The manager's start-up, shutdown, signals and start-up codes, driven as a
// host drives them, against the simulated engine.
#include "integration/Diagnostics.h"
#include "integration/EventManagerInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"
#include "support/PageManagerFixture.h"
#include "support/TestDrawArea.h"
#include "support/TestHostManager.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace sim = orvane::sim;
using orvane::sdk::integration::Diagnostics;
using orvane::sdk::integration::ManagerAbstract;
using orvane::sdk::integration::ManagerInterface;
using orvane::sdk::integration::PageManagerInterface;

namespace {

// A host's manager that records what the manager does through its virtual
// operations and hooks.
class RecordingManager : public orvane::test::TestHostManager
{
public:
    std::vector<std::string> steps;
    StateModernizationLevel_e lastLevel = StateModernizationLevel_Invalid;

    // The monitor registers its busy callback as it is made; the tests look
    // at what the manager does from then on.
    RecordingManager() { sim::clearCalls(); }

    void destroySubManagers() { subManagersDestroy(); }

    using ManagerAbstract::init;
    ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory,
                                  StateModernizationLevel_e level) override
    {
        lastLevel = level;
        return ManagerAbstract::init(argc, argv, homeDirectory, level);
    }

protected:
    void subManagersInstantiate() override
    {
        steps.push_back("instantiate");
        ManagerAbstract::subManagersInstantiate();
    }
    void subManagersRegisterCallbacks() override
    {
        steps.push_back("register");
        ManagerAbstract::subManagersRegisterCallbacks();
    }
    void subManagersDestroy() override
    {
        steps.push_back("destroy");
        ManagerAbstract::subManagersDestroy();
    }
};

// A command line as a host gets it from main().
class CommandLine
{
public:
    CommandLine(std::initializer_list<const char*> arguments)
    {
        for (const char* argument : arguments)
            m_storage.emplace_back(argument);
        for (std::string& argument : m_storage)
            m_argv.push_back(&argument[0]);
    }
    int argc() const { return static_cast<int>(m_argv.size()); }
    char* const* argv() { return m_argv.data(); }

private:
    std::vector<std::string> m_storage;
    std::vector<char*> m_argv;
};

std::vector<std::string> operator+(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class ManagerLifecycleTest : public ::testing::Test
{
protected:
    void SetUp() override { orvane::test::freshEngine(); }

    // Records the order in which the three engine signals fire.
    void recordSignals(ManagerInterface& manager)
    {
        manager.connectEngineStarted([this] { signals.push_back("started"); });
        manager.connectEngineShutdownInitiated([this] { signals.push_back("initiated"); });
        manager.connectEngineShutdownFinished([this] { signals.push_back("finished"); });
    }

    std::vector<std::string> signals;
};

TEST_F(ManagerLifecycleTest, ReturnCodeTexts)
{
    RecordingManager manager;
    EXPECT_EQ("Ok", manager.returnCodeString(ManagerInterface::ManagerStartReturnCode_Ok));
    EXPECT_EQ("Home Directory Not Specified",
              manager.returnCodeString(ManagerInterface::ManagerStartReturnCode_HomeDirectoryNotSpecified));
    EXPECT_EQ("Internal Initialization Error",
              manager.returnCodeString(ManagerInterface::ManagerStartReturnCode_InternalInitializationError));
    EXPECT_EQ("The Orvane Engine is not initialized. Call the init() method.",
              manager.returnCodeString(ManagerInterface::ManagerStartReturnCode_EngineNotInitialized));
    EXPECT_EQ("", manager.returnCodeString(static_cast<ManagerInterface::ManagerStartReturnCode_e>(255)));
    EXPECT_EQ("", manager.returnCodeString(static_cast<ManagerInterface::ManagerStartReturnCode_e>(2)));
    EXPECT_EQ(sizeof(int), sizeof(ManagerInterface::ManagerStartReturnCode_e));
}

// The page manager is there from construction, its callbacks registered by
// init, its pages gone after stop.
TEST_F(ManagerLifecycleTest, FullLifecycleFiresEachSignalOnceInOrder)
{
    orvane::test::TestDrawArea drawArea;
    RecordingManager manager;
    recordSignals(manager);
    PageManagerInterface& pages = manager.getPageManager();
    EXPECT_FALSE(sim::callbacks().pageCreate); // nothing registered before init
    CommandLine line{"host"};
    // The dialog and event managers exist only from a successful init to
    // stop; outside that window asking for one is a clear error, not a crash.
    EXPECT_THROW(manager.getDialogManager(), orvane::ExceptionBase);

    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, manager.init(line.argc(), line.argv(), "/opt/engine"));
    EXPECT_NO_THROW(manager.getDialogManager());
    const sim::Callbacks& callbacks = sim::callbacks();
    EXPECT_TRUE(callbacks.pageCreate && callbacks.pageDestroy && callbacks.pageNewCurrent);
    EXPECT_TRUE(callbacks.renderQuery && callbacks.renderDest && callbacks.swapBuffers && callbacks.renderDestSize);
    pages.addPage(&drawArea);
    ASSERT_TRUE(sim::requestPage({})); // the renderless factory: no drawing area
    EXPECT_EQ(nullptr, pages.getCurrentPage()->getDrawArea());
    EXPECT_EQ(2, pages.pageCount());
    EXPECT_EQ(std::vector<std::string>({"instantiate", "register"}), manager.steps);
    // The three-argument init goes through the virtual one with level 0.
    EXPECT_EQ(static_cast<StateModernizationLevel_e>(0), manager.lastLevel);
    EXPECT_EQ(static_cast<StateModernizationLevel_e>(0), sim::initLevel());

    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, manager.start());
    sim::fireStateChange(15); // the engine's quit: the shutdown is announced now, once
    EXPECT_EQ(std::vector<std::string>({"started", "initiated"}), signals);
    manager.stop();
    manager.stop(); // the second stop does nothing

    EXPECT_EQ(std::vector<std::string>({"started", "initiated", "finished"}), signals);
    EXPECT_EQ(std::vector<std::string>({"instantiate", "register", "destroy"}), manager.steps);
    EXPECT_EQ(1u, sim::countCalls("OrvEngInitiateShutdown"));
    EXPECT_EQ(1u, sim::countCalls("OrvEngFinalizeShutdown"));
    EXPECT_EQ(std::vector<std::string>({"OrvEngInitiateShutdown(1)"}), sim::callTexts("OrvEngInitiateShutdown"));
    EXPECT_EQ(0, pages.pageCount()); // the engine's shutdown deleted every page
    EXPECT_TRUE(drawArea.stateListeners.empty());
    EXPECT_THROW(manager.getDialogManager(), orvane::ExceptionBase);
    EXPECT_THROW(manager.getEventManager(), orvane::ExceptionBase);
}

// What init() makes of a command line, a home directory, the engine's
// answer and a monitor that is not ready.
struct InitCase
{
    std::vector<const char*> line; // empty: a null argv
    int argc;
    const char* home;
    int engineResult;
    bool monitorReady;
    ManagerInterface::ManagerStartReturnCode_e code;
    bool batch;
    std::vector<std::string> engineArguments; // empty: not checked
};

const InitCase InitCases[] = {
    // A failed pre-scan never touches the engine; "-h" as the last argument
    // fails even with a home directory passed.
    {{"host"}, 1, "", 0, true, ManagerInterface::ManagerStartReturnCode_HomeDirectoryNotSpecified, false, {}},
    {{"host", "-h"}, 2, "/opt/engine", 0, true, ManagerInterface::ManagerStartReturnCode_HomeDirectoryNotSpecified,
     false, {}},
    // "-H <dir>" overrides the argument; the engine gets the whole command
    // line, then "-h" and the resulting home directory.
    {{"host", "-H", "/from/command/line", "data.lay"}, 4, "/opt/engine", 0, true,
     ManagerInterface::ManagerStartReturnCode_Ok, false,
     {"host", "-H", "/from/command/line", "data.lay", "-h", "/from/command/line"}},
    // No command line (a null argv, a negative count): a program name of the
    // library's.
    {{}, 3, "/opt/engine", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, false,
     {"ovsdkintegrationmanager", "-h", "/opt/engine"}},
    {{"host"}, -1, "/opt/engine", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, false,
     {"ovsdkintegrationmanager", "-h", "/opt/engine"}},
    // Batch mode for the exact options only, never the program name.
    {{"host", "-b"}, 2, "/home", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, true, {}},
    {{"host", "-B"}, 2, "/home", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, true, {}},
    {{"host", "-bx"}, 2, "/home", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, false, {}},
    {{"host", "-b "}, 2, "/home", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, false, {}},
    {{"host", "b"}, 2, "/home", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, false, {}},
    {{"-b"}, 1, "/home", 0, true, ManagerInterface::ManagerStartReturnCode_Ok, false, {}},
    // The engine's failures translate; the failed start-up is shut down.
    {{"host"}, 1, "/home", 3, true, ManagerInterface::ManagerStartReturnCode_InternalInitializationError, false, {}},
    {{"host"}, 1, "/home", 1, true, static_cast<ManagerInterface::ManagerStartReturnCode_e>(255), false, {}},
    {{"host"}, 1, "/home", -4, true, static_cast<ManagerInterface::ManagerStartReturnCode_e>(255), false, {}},
    // A monitor that is not ready fails init outside batch mode only.
    {{"host"}, 1, "/opt/engine", 0, false, ManagerInterface::ManagerStartReturnCode_InternalInitializationError,
     false, {}},
    {{"host", "-b"}, 2, "/opt/engine", 0, false, ManagerInterface::ManagerStartReturnCode_Ok, true, {}},
};

TEST_F(ManagerLifecycleTest, InitFollowsItsCommandLineHomeDirectoryEngineAndMonitor)
{
    for (const InitCase& c : InitCases)
    {
        const std::string label = (c.line.empty() ? std::string("null") : c.line.back()) + " " + c.home + " " +
                                  std::to_string(c.engineResult) + (c.monitorReady ? "" : " not ready");
        SCOPED_TRACE(label);
        sim::reset();
        sim::setInitResult(c.engineResult);
        RecordingManager manager;
        recordSignals(manager);
        manager.monitor.ready = c.monitorReady;
        std::vector<std::string> storage(c.line.begin(), c.line.end());
        std::vector<char*> argv;
        for (std::string& argument : storage)
            argv.push_back(&argument[0]);
        const ManagerInterface::ManagerStartReturnCode_e code =
            manager.init(c.argc, argv.empty() ? nullptr : argv.data(), c.home);
        EXPECT_EQ(c.code, code);
        EXPECT_EQ(c.batch, manager.isInBatchMode());
        EXPECT_TRUE(signals.empty());
        if (!c.engineArguments.empty())
        {
            EXPECT_EQ(c.engineArguments, sim::initArguments());
        }
        if (code == ManagerInterface::ManagerStartReturnCode_HomeDirectoryNotSpecified)
        {
            EXPECT_TRUE(sim::calls().empty());
        }
        if (c.engineResult != 0)
        {
            // Shut down again, silently, and still in the constructed state:
            // start refuses, stop does nothing.
            EXPECT_EQ(std::vector<std::string>({"OrvEngInitiateShutdown(1)", "OrvEngFinalizeShutdown()"}),
                      sim::callTexts("OrvEngInitiateShutdown") + sim::callTexts("OrvEngFinalizeShutdown"));
            EXPECT_TRUE(manager.steps.empty());
            EXPECT_EQ(ManagerInterface::ManagerStartReturnCode_EngineNotInitialized, manager.start());
            sim::clearCalls();
            manager.stop();
            EXPECT_TRUE(sim::calls().empty());
        }
        if (!c.monitorReady && !c.batch) // the sub-managers stay in place until stop
        {
            EXPECT_NO_THROW(manager.getEventManager());
        }
        manager.stop();
        EXPECT_FALSE(sim::isInitialized() && !sim::isShutdownFinished());
        signals.clear();
    }
}

TEST_F(ManagerLifecycleTest, DestroyedManagerIsDetachedFromTheRelay)
{
    std::vector<std::string> seen;
    {
        RecordingManager manager;
        manager.connectEngineShutdownInitiated([&seen] { seen.push_back("initiated"); });
        CommandLine line{"host"};
        ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, manager.init(line.argc(), line.argv(), "/home"));
        // Never stopped: the host lets its sub-managers go itself (a manager
        // destroyed without stop() leaves the event manager alone).
        manager.destroySubManagers();
    }
    // A quit state change after the manager is gone reaches nothing (and
    // would crash under the sanitizers if the listener were still attached).
    sim::fireStateChange(15);
    EXPECT_TRUE(seen.empty());
}

// init reports a missing miscellaneous service once the engine is
// initialised; a handler that throws there does not leave it half-way.
TEST_F(ManagerLifecycleTest, AThrowingDiagnosticsHandlerDoesNotCutInitShort)
{
    { orvane::test::FakeManagerMiscService gone; } // leaves no service current
    RecordingManager manager;
    const Diagnostics::Handler previous = Diagnostics::setHandler(
        [](Diagnostics::Severity_e, const std::string&, const std::string&) { throw std::runtime_error("handler"); });
    CommandLine line{"host"};
    const ManagerInterface::ManagerStartReturnCode_e result = manager.init(line.argc(), line.argv(), "/home");
    Diagnostics::setHandler(previous);
    EXPECT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, result);
    EXPECT_EQ((std::vector<std::string>{"instantiate", "register"}), manager.steps);
    manager.stop();
}

} // namespace
