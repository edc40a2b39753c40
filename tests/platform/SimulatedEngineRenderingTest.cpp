#include "EngineTrace.h"

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

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
