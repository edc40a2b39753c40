#include "EngineTrace.h"

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

typedef EngineTest SimulatedEngineCoreTest;

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

// --- Frames and busy operations ---------------------------------------------

int busyEventsBeforeInterrupt = -1; // the busy-events call that interrupts

Boolean_t query(ArbParam_t page, ArbParam_t)
{
    record("query " + std::to_string(page));
    return TRUE;
}

void size(ArbParam_t, ArbParam_t, int* width, int* height)
{
    record("size");
    *width = 4;
    *height = 3;
}

Boolean_t destination(int code, ArbParam_t handle, ArbParam_t)
{
    record("dest " + std::to_string(code) + " " + std::to_string(handle));
    return TRUE;
}

void swap(ArbParam_t page, ArbParam_t) { record("swap " + std::to_string(page)); }

void busyEvents(ArbParam_t)
{
    record(OrvUtilIsBusy() == TRUE ? "busy-events (busy)" : "busy-events");
    if (--busyEventsBeforeInterrupt == 0)
        OrvUtilInterrupt();
}

class SimulatedEngineRenderingTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        busyEventsBeforeInterrupt = -1;
        OrvEngRenderQueryRegisterCallback(query, 0);
        OrvEngRenderDestSizeRegisterCallback(size, 0);
        OrvEngRenderDestRegisterCallback(destination, 0);
        OrvEngSwapBuffersRegisterCallback(swap, 0);
        OrvEngProcessBusyEventsRegisterCallback(busyEvents, 0);
        sim::setPageDrawer([](const sim::PageState& page, int width, int height, int code) {
            record("draw " + std::to_string(page.id) + " " + std::to_string(width) + "x" + std::to_string(height) +
                   " " + std::to_string(code));
        });
        OrvEngPageCreateNew(11, nullptr);
    }
};

TEST_F(SimulatedEngineRenderingTest, AFrameRunsTheWholeRoadInOrder)
{
    sim::setFrameBusySteps(2);
    EXPECT_EQ(TRUE, OrvUtilRedraw(TRUE));
    EXPECT_EQ((Lines{"query 11", "size", "dest 1 11", "draw 1 4x3 1", "busy-events (busy)", "busy-events (busy)",
                     "dest 0 11", "swap 11"}),
              trace());
    EXPECT_EQ(1, sim::findPage(1)->framesDrawn);
    EXPECT_EQ(FALSE, OrvUtilIsBusy());
}

// --- Busy operations -------------------------------------------------------

void progressStart(Boolean_t first, Boolean_t second, ArbParam_t)
{
    record("start " + std::to_string(first) + " " + std::to_string(second));
}
void progress(int percent, ArbParam_t) { record(std::to_string(percent) + "%"); }
void progressFinish(ArbParam_t) { record("finish"); }

TEST_F(SimulatedEngineRenderingTest, ABusyOperationReportsProgressAndStopsWhenInterrupted)
{
    OrvEngProgressMonitorRegisterCallback(progress, progressStart, progressFinish, 0);
    trace().clear();
    EXPECT_TRUE(sim::runBusyOperation(2));
    EXPECT_EQ((Lines{"start 1 0", "busy-events (busy)", "50%", "busy-events (busy)", "100%", "finish"}), trace());

    trace().clear();
    busyEventsBeforeInterrupt = 2;
    EXPECT_FALSE(sim::runBusyOperation(4));
    EXPECT_EQ((Lines{"start 1 0", "busy-events (busy)", "25%", "busy-events (busy)", "finish"}), trace());
    EXPECT_TRUE(sim::interruptFlag());
    EXPECT_FALSE(sim::isBusyOperationRunning());

    EXPECT_TRUE(sim::runBusyOperation(1)); // the next operation clears the flag
    EXPECT_FALSE(sim::interruptFlag());
    sim::setBusy(true);
    EXPECT_EQ(TRUE, OrvUtilIsBusy());
}

} // namespace
