// The repairer as the top page render decider: interrupted pictures stay
// off the screen and are drawn again at idle time.
#include "integration/InterruptedPlotRepairer.h"
#include "integration/PageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/PageManagerFixture.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk::integration;
using orvane::sdk::ui::common::processIdleActions;
using orvane::test::ranUnderAppLock;
using orvane::test::TestGLContext;
namespace sim = orvane::sim;
typedef std::vector<std::string> Lines;

class InterruptedPlotRepairerTest : public orvane::test::PageManagerFixture
{
protected:
    void SetUp() override
    {
        PageManagerFixture::SetUp();
        a = &addPage(&d1);
        b = &addPage(&d2);
    }

    // Pages redrawn by the repairs that ran, by unique id.
    Lines repairsAtIdle()
    {
        sim::setInterruptFlag(false);
        sim::clearCalls();
        processIdleActions();
        Lines redrawn;
        for (const sim::EngineCall& call : sim::calls())
        {
            if (call.name == "OrvUtilRedraw")
                redrawn.push_back("#" + std::to_string(sim::currentPageId()));
        }
        return redrawn;
    }

    PageInterface* a = nullptr;
    PageInterface* b = nullptr;
};

TEST_F(InterruptedPlotRepairerTest, AnInterruptedPictureIsNotShownAndIsRedrawnAtIdle)
{
    boost::shared_ptr<InterruptedPlotRepairer> repairer = boost::make_shared<InterruptedPlotRepairer>();
    manager->pushPageRenderDecider(repairer);
    sim::setInterruptFlag(true);
    sim::drawCurrentPage();
    EXPECT_EQ(0, d2.context.count(TestGLContext::Call_SwapBuffers));
    EXPECT_TRUE(ranUnderAppLock("OrvUtilInterruptCheck", 1));

    EXPECT_EQ((Lines{"#2"}), repairsAtIdle());
    EXPECT_EQ(1, d2.context.count(TestGLContext::Call_SwapBuffers)); // the repair's picture was shown
    EXPECT_TRUE(repairsAtIdle().empty());
}

TEST_F(InterruptedPlotRepairerTest, OnlyTheLastInterruptedPageIsRepaired)
{
    InterruptedPlotRepairer repairer;
    sim::setInterruptFlag(true);
    EXPECT_FALSE(repairer.shouldOpenGLBuffersBeSwapped(*a));
    EXPECT_FALSE(repairer.shouldOpenGLBuffersBeSwapped(*b));
    EXPECT_EQ((Lines{"#2"}), repairsAtIdle());
}

TEST_F(InterruptedPlotRepairerTest, AnUninterruptedPictureDropsTheWaitingRepair)
{
    InterruptedPlotRepairer repairer;
    sim::setInterruptFlag(true);
    repairer.shouldOpenGLBuffersBeSwapped(*a);
    sim::setInterruptFlag(false);
    EXPECT_TRUE(repairer.shouldOpenGLBuffersBeSwapped(*b));
    EXPECT_TRUE(repairsAtIdle().empty());
}

TEST_F(InterruptedPlotRepairerTest, ADestroyedRepairerRepairsNothing)
{
    {
        InterruptedPlotRepairer repairer;
        sim::setInterruptFlag(true);
        repairer.shouldOpenGLBuffersBeSwapped(*a);
    }
    EXPECT_TRUE(repairsAtIdle().empty());
}

TEST_F(InterruptedPlotRepairerTest, TheRepairOfADestroyedPageNeverRuns)
{
    InterruptedPlotRepairer repairer;
    sim::setInterruptFlag(true);
    repairer.shouldOpenGLBuffersBeSwapped(*a);
    sim::deletePage(1);
    EXPECT_TRUE(repairsAtIdle().empty());
    // The repairer goes on working for the other pages.
    sim::setInterruptFlag(true);
    repairer.shouldOpenGLBuffersBeSwapped(*b);
    EXPECT_EQ((Lines{"#2"}), repairsAtIdle());
}

} // namespace
