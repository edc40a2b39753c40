// The account stays readable in a long session: repeats fold into one line,
// engine calls are summed per function, and the engine's log is emptied as
// it is written.
#include "BoundaryAccount.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qtdemotest {
namespace {

namespace sim = orvane::sim;

class BoundaryAccountTest : public ::testing::Test
{
protected:
    void SetUp() override { sim::clearCalls(); }

    std::ostringstream text;
    BoundaryAccount account{text};
};

TEST_F(BoundaryAccountTest, RepeatsOfAKindFoldIntoOneLineWithTheLastTextUntilTheNextStep)
{
    account.toHost("progress", "1%");
    account.toHost("signalEngineStarted");
    account.toHost("progress", "2%");
    account.user("clicks");
    account.toHost("progress", "3%");
    account.flush();
    EXPECT_EQ("  library > host:   progress: 2%   (2 times, the last shown)\n"
              "  library > host:   signalEngineStarted\n"
              "user    > clicks\n"
              "  library > host:   progress: 3%\n",
              text.str());
}

TEST_F(BoundaryAccountTest, EngineCallsAreSummedPerFunctionInTheOrderOfTheirFirstCallAndLeaveTheLog)
{
    OrvUtilIsBusy();
    OrvUtilAppLockStart(1);
    OrvUtilPageGetCount();
    OrvUtilAppLockFinish();
    OrvUtilIsBusy();
    account.toHost("pageCreated", "page #1");
    account.engine("draws");
    EXPECT_EQ("  library > engine: OrvUtilIsBusy()   (2 calls, the first shown)\n"
              "  library > engine: OrvUtilAppLockStart(1)\n"
              "  library > engine: OrvUtilPageGetCount()   [under AppLock 1]\n"
              "  library > engine: OrvUtilAppLockFinish()   [under AppLock 1]\n"
              "  library > host:   pageCreated: page #1\n"
              "engine  > draws\n",
              text.str());
    EXPECT_TRUE(sim::calls().empty());
}

TEST_F(BoundaryAccountTest, ASessionWithoutStepsDoesNotLetTheEngineLogGrowWithoutBound)
{
    for (int call = 0; call < 20000; ++call)
    {
        OrvUtilIsBusy();
        account.toHost("running coordinates", "X: 1");
    }
    EXPECT_LE(sim::calls().size(), 10001u);
    EXPECT_NE(std::string::npos, text.str().find("OrvUtilIsBusy()   (10001 calls"));
}

} // namespace
} // namespace qtdemotest
