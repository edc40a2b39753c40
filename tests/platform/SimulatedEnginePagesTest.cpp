#include "EngineTrace.h"

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

class SimulatedEnginePagesTest : public EngineTest
{
};

TEST_F(SimulatedEnginePagesTest, DeletingTheCurrentPageMakesThePreviousOrNextCurrent)
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

void deleteAgainFromDestroy(ArbParam_t page, ArbParam_t)
{
    record("destroy " + std::to_string(page) + " nested delete " + std::to_string(OrvUtilPageDelete()));
}

TEST_F(SimulatedEnginePagesTest, APageCannotBeDeletedAgainFromItsDestroyCallback)
{
    OrvEngPageCreateNew(11, nullptr);
    OrvEngPageCreateNew(22, nullptr);
    OrvEngPageDestroyRegisterCallback(deleteAgainFromDestroy, 0);
    EXPECT_EQ(TRUE, OrvUtilPageDelete());
    EXPECT_EQ((Lines{"destroy 22 nested delete 0"}), trace());
    EXPECT_EQ(1, OrvUtilPageGetCount());
    EXPECT_EQ(1, sim::currentPageId());
}

TEST_F(SimulatedEnginePagesTest, FinalizingShutdownDestroysEveryRemainingPageNewestFirst)
{
    OrvEngPageCreateNew(11, nullptr);
    OrvEngPageCreateNew(22, nullptr);
    OrvEngPageCreateNew(33, nullptr);
    OrvUtilPageSetCurrentByUniqueID(1);
    tracePages();

    OrvEngFinalizeShutdown();
    EXPECT_EQ((Lines{"destroy 33", "destroy 22", "destroy 11"}), trace());
    EXPECT_EQ(0, OrvUtilPageGetCount());
    EXPECT_EQ(0, sim::currentPageId());
}

} // namespace
