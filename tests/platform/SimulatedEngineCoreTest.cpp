#include "EngineTrace.h"

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

class SimulatedEngineCoreTest : public EngineTest
{
};

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

// --- Pages ---------------------------------------------------------------

TEST_F(SimulatedEngineCoreTest, DeletingTheCurrentPageMakesThePreviousOrNextCurrent)
{
    OrvEngPageCreateNew(11, nullptr);
    OrvEngPageCreateNew(22, nullptr);
    OrvEngPageCreateNew(33, nullptr);
    tracePages();

    EXPECT_EQ(TRUE, OrvUtilPageDelete()); // page 3: page 2 precedes it
    EXPECT_EQ((Lines{"destroy 33", "new-current 22", "state 50"}), trace());

    trace().clear();
    OrvUtilPageSetCurrentByUniqueID(1);
    EXPECT_EQ(TRUE, OrvUtilPageDelete()); // the first page: the next one follows
    EXPECT_EQ((Lines{"new-current 11", "state 50", "destroy 11", "new-current 22", "state 50"}), trace());

    trace().clear();
    EXPECT_EQ(TRUE, OrvUtilPageDelete()); // the last page: nothing follows
    EXPECT_EQ((Lines{"destroy 22"}), trace());
    EXPECT_EQ(0, OrvUtilPageGetUniqueID());
    EXPECT_EQ(FALSE, OrvUtilPageDelete());
}

} // namespace
