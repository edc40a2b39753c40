#include "EngineTrace.h"

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

class SimulatedEngineCoreTest : public EngineTest
{
};

TEST_F(SimulatedEngineCoreTest, InitReadsExactlyArgcArgumentsAndItsOwnOptions)
{
    // No terminating null entry: the engine must stop at argc.
    char program[] = "host";
    char batch[] = "-B";
    char home[] = "-h";
    char directory[] = "/opt/engine";
    char* argv[] = {program, batch, home, directory};
    EXPECT_EQ(0, OrvEngInit(4, argv, StateModernizationLevel_Latest));
    EXPECT_TRUE(sim::isInitialized());
    EXPECT_EQ((Lines{"host", "-B", "-h", "/opt/engine"}), sim::initArguments());
    EXPECT_EQ("/opt/engine", sim::homeDirectory());
    EXPECT_EQ(TRUE, OrvUtilMacroIsBatchModeActive());
    EXPECT_EQ(StateModernizationLevel_Latest, sim::initLevel());
    EXPECT_EQ("OrvEngInit(4, host, -B, -h, /opt/engine, 2)", sim::calls()[0].text());

    char longer[] = "-bx";
    char* notBatch[] = {program, longer, home};
    sim::setInitResult(3);
    EXPECT_EQ(3, OrvEngInit(3, notBatch, StateModernizationLevel_Legacy));
    EXPECT_FALSE(sim::isInitialized());
    EXPECT_FALSE(sim::isBatchMode());
    EXPECT_EQ("", sim::homeDirectory()); // "-h" without a directory
}

TEST_F(SimulatedEngineCoreTest, ShutdownAnnouncesTheQuitStateChangeFirst)
{
    addStateChangeCallback(recordStateChange, 0);
    OrvEngInitiateShutdown(TRUE); // never initialised: nothing to announce
    EXPECT_TRUE(trace().empty());

    char program[] = "host";
    char* argv[] = {program};
    OrvEngInit(1, argv, StateModernizationLevel_Legacy);
    EXPECT_EQ(TRUE, OrvEngStartup());
    OrvEngInitiateShutdown(TRUE);
    EXPECT_EQ((Lines{"state 15"}), trace());
    EXPECT_TRUE(sim::isShutdownInitiated());
    OrvUtilOnIdleQueueAddCallback(recordBusyEvents, 0); // queued, never run
    OrvEngFinalizeShutdown();
    EXPECT_TRUE(sim::isShutdownFinished());
    EXPECT_FALSE(sim::isInitialized());
    EXPECT_EQ(0u, sim::pendingIdleCallbacks());
    EXPECT_FALSE(sim::processIdleTasks());
}

TEST_F(SimulatedEngineCoreTest, EngineTextsAreTrackedAndMisusedReleasesSurvive)
{
    char* text = OrvUtilStringAlloc(8, "label");
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(1u, sim::outstandingTexts());
    char* copy = text;
    OrvUtilStringDealloc(&text);
    EXPECT_EQ(nullptr, text);
    EXPECT_EQ(0u, sim::outstandingTexts());

    OrvUtilStringDealloc(&copy); // released twice
    char foreign[] = "foreign";
    char* foreignText = foreign;
    OrvUtilStringDealloc(&foreignText);
    EXPECT_EQ(2u, sim::misuses().size());
    OrvUtilStringDealloc(nullptr);
    char* none = nullptr;
    OrvUtilStringDealloc(&none);
    EXPECT_EQ(2u, sim::misuses().size());

    EXPECT_EQ(nullptr, OrvUtilStringAlloc(0, "empty"));
    sim::setStringAllocFails(true);
    EXPECT_EQ(nullptr, OrvUtilStringAlloc(8, "label"));
    const StringList_pa list = sim::makeStringList({"only"});
    EXPECT_EQ(nullptr, OrvUtilStringListGetString(list, 2));
    sim::freeStringList(list);
    EXPECT_EQ(3u, sim::misuses().size());
}

TEST_F(SimulatedEngineCoreTest, EveryCallIsLoggedWithTheLockItRanUnder)
{
    OrvUtilAppLockStart(1);
    OrvUtilAppLockStart(0);
    OrvUtilRedraw(TRUE);
    OrvUtilAppLockFinish();
    OrvUtilDialogErrMsg(nullptr);
    OrvUtilAppLockFinish();
    OrvUtilAppLockFinish(); // one finish too many

    const std::vector<sim::EngineCall>& calls = sim::calls();
    ASSERT_EQ(7u, calls.size());
    EXPECT_EQ(0, calls[0].lockDepth);
    EXPECT_EQ(-1, calls[0].lockValue);
    EXPECT_EQ("OrvUtilRedraw(1)", calls[2].text());
    EXPECT_EQ(2, calls[2].lockDepth);
    EXPECT_EQ(0, calls[2].lockValue);
    EXPECT_EQ("OrvUtilDialogErrMsg((null))", calls[4].text());
    EXPECT_EQ(1, calls[4].lockValue);
    EXPECT_EQ(0, sim::appLockDepth());
    EXPECT_EQ(1u, sim::misuses().size());
    EXPECT_EQ((Lines{"OrvUtilAppLockStart(1)", "OrvUtilAppLockStart(0)"}), sim::callTexts("OrvUtilAppLockStart"));
    EXPECT_EQ(3u, sim::countCalls("OrvUtilAppLockFinish"));

    sim::setCallLogging(false);
    OrvUtilPageGetCount();
    EXPECT_EQ(0u, sim::countCalls("OrvUtilPageGetCount"));
}

// --- State changes ---------------------------------------------------------

void removeSecond(int code, ArbParam_t);
void second(int code, ArbParam_t) { record("second " + std::to_string(code)); }
void third(int code, ArbParam_t) { record("third " + std::to_string(code)); }

void removeSecond(int code, ArbParam_t)
{
    record("first " + std::to_string(code));
    OrvUtilStateChangeRemoveCallback(second, 0);
    OrvUtilStateChangeAddCallback(third, 0);
}

TEST_F(SimulatedEngineCoreTest, RemovedCallbacksAreSkippedAndAddedOnesWait)
{
    removeAtTearDown(third, 0);
    EXPECT_EQ(TRUE, addStateChangeCallback(removeSecond, 0));
    EXPECT_EQ(TRUE, addStateChangeCallback(second, 0));
    EXPECT_EQ(FALSE, addStateChangeCallback(second, 0));
    EXPECT_EQ(TRUE, addStateChangeCallback(second, 1)); // another client value
    sim::fireStateChange(31);
    EXPECT_EQ((Lines{"first 31", "second 31"}), trace()); // only client 1 remained

    EXPECT_EQ(FALSE, OrvUtilStateChangeRemoveCallback(second, 0));
    trace().clear();
    sim::fireStateChange(32);
    EXPECT_EQ((Lines{"first 32", "second 32", "third 32"}), trace());
}

std::string paramsNow()
{
    std::string text;
    const char* value = nullptr;
    for (int index = 1; OrvUtilStateChangeGetStyleParam(index, &value) == TRUE; ++index)
        text += std::string(value) + ";";
    UniqueID_t id = 0;
    return OrvUtilStateChangeGetUniqueID(&id) == TRUE ? text + std::to_string(id) : text + "none";
}

void nesting(int code, ArbParam_t)
{
    record(std::to_string(code) + " " + paramsNow());
    if (code == 7)
    {
        sim::fireStateChange(50, {}, 9);
        record("after " + paramsNow());
    }
}

TEST_F(SimulatedEngineCoreTest, NestedFiringsEachSeeTheirOwnEvent)
{
    addStateChangeCallback(nesting, 0);
    sim::fireStateChange(7, {"PAGE", "NAME"}, 4);
    sim::fireStateChange(8, {"B"}, 0);
    EXPECT_EQ((Lines{"7 PAGE;NAME;4", "50 9", "after PAGE;NAME;4", "8 B;0"}), trace());
    EXPECT_EQ("none", paramsNow()); // outside any firing
}

// --- Reset -----------------------------------------------------------------

TEST_F(SimulatedEngineCoreTest, ResetForgetsEverythingButStateChangeCallbacks)
{
    tracePages();
    OrvEngPageCreateNew(11, nullptr);
    OrvUtilAppLockStart(1);
    OrvUtilOnIdleQueueAddCallback(recordBusyEvents, 0);
    OrvUtilStringAlloc(4, "left over");
    OrvUtilInterrupt();
    sim::setPageCreateResult(false);
    OrvUtilDialogErrMsg("failed");

    sim::reset();
    EXPECT_TRUE(sim::calls().empty());
    EXPECT_EQ(0u, sim::outstandingTexts());
    EXPECT_EQ(0, sim::appLockDepth());
    EXPECT_EQ(0u, sim::pendingIdleCallbacks());
    EXPECT_FALSE(sim::interruptFlag());
    EXPECT_TRUE(sim::errorMessages().empty());
    EXPECT_FALSE(sim::callbacks().pageNewCurrent);

    trace().clear();
    EXPECT_EQ(TRUE, OrvEngPageCreateNew(12, nullptr));
    EXPECT_EQ(1, OrvUtilPageGetUniqueID()); // ids start again
    // Their owners still live, so state-change callbacks are still told.
    EXPECT_EQ((Lines{"state 50"}), trace());
}

} // namespace
