#include "EngineTrace.h"

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

class SimulatedEnginePagesTest : public EngineTest
{
};

std::vector<std::string> styleParamsSeen;
UniqueID_t uniqueIdSeen = -1;

void recordStyleChange(int code, ArbParam_t)
{
    const char* value = nullptr;
    for (int index = 1; OrvUtilStateChangeGetStyleParam(index, &value) == TRUE; ++index)
        styleParamsSeen.push_back(value);
    OrvUtilStateChangeGetUniqueID(&uniqueIdSeen);
    record("state " + std::to_string(code));
}

TEST_F(SimulatedEnginePagesTest, CreatingPagesNumbersThemAndMakesEachCurrent)
{
    tracePages();
    const StringList_pa arguments = sim::makeStringList({"-layout", "a.lay"});
    EXPECT_EQ(TRUE, OrvEngPageCreateNew(11, arguments));
    sim::freeStringList(arguments);
    EXPECT_EQ(TRUE, OrvEngPageCreateNew(22, nullptr));

    EXPECT_EQ((Lines{"new-current 11", "state 50", "new-current 22", "state 50"}), trace());
    EXPECT_EQ(2, OrvUtilPageGetCount());
    EXPECT_EQ(2, OrvUtilPageGetUniqueID());
    const std::vector<sim::PageState> pages = sim::pages();
    ASSERT_EQ(2u, pages.size());
    EXPECT_EQ(1, pages[0].id);
    EXPECT_EQ("Page 1", pages[0].name);
    EXPECT_EQ((Lines{"-layout", "a.lay"}), pages[0].arguments);
    EXPECT_EQ(22, pages[1].clientHandle);
    EXPECT_EQ("OrvEngPageCreateNew(11, {-layout, a.lay})", sim::calls()[3].text());
}

TEST_F(SimulatedEnginePagesTest, RefusedCreationChangesNothing)
{
    tracePages();
    sim::setPageCreateResult(false);
    EXPECT_EQ(FALSE, OrvEngPageCreateNew(11, nullptr));
    EXPECT_EQ(0, OrvUtilPageGetCount());
    EXPECT_EQ(0, OrvUtilPageGetUniqueID());
    EXPECT_TRUE(trace().empty());
}

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

TEST_F(SimulatedEnginePagesTest, SwitchingPagesCallsBackOnlyOnChange)
{
    OrvEngPageCreateNew(11, nullptr);
    OrvEngPageCreateNew(22, nullptr);
    tracePages();
    EXPECT_EQ(FALSE, OrvUtilPageSetCurrentByUniqueID(7));
    EXPECT_EQ(TRUE, OrvUtilPageSetCurrentByUniqueID(2));
    EXPECT_TRUE(trace().empty());
    EXPECT_TRUE(sim::makePageCurrent(1));
    EXPECT_EQ((Lines{"new-current 11", "state 50"}), trace());

    trace().clear();
    EXPECT_TRUE(sim::deletePage(2)); // not the current page: it stays current
    EXPECT_EQ((Lines{"destroy 22"}), trace());
    EXPECT_EQ(1, sim::currentPageId());
}

TEST_F(SimulatedEnginePagesTest, PageNameIsAStyleValueAndAWriteReportsStateChange7)
{
    OrvEngPageCreateNew(11, nullptr);
    addStateChangeCallback(recordStyleChange, 0);
    styleParamsSeen.clear();

    EXPECT_EQ(SetValueReturnCode_Ok, OrvUtilStyleSetString(1, "PAGE", "NAME", "Overview"));
    EXPECT_EQ((Lines{"state 7"}), trace());
    EXPECT_EQ((Lines{"PAGE", "NAME"}), styleParamsSeen);
    EXPECT_EQ(1, uniqueIdSeen);

    char* name = nullptr;
    ASSERT_EQ(0, OrvUtilStyleGetString(1, "PAGE", "NAME", &name));
    EXPECT_STREQ("Overview", name);
    EXPECT_EQ(1u, sim::outstandingTexts());
    OrvUtilStringDealloc(&name);
    EXPECT_EQ(0u, sim::outstandingTexts());

    EXPECT_TRUE(sim::renamePage(1, "Details"));
    EXPECT_EQ("Details", sim::findPage(1)->name);
    EXPECT_EQ(2u, trace().size());
}

TEST_F(SimulatedEnginePagesTest, FailedStyleWritesAndReadsChangeNothing)
{
    OrvEngPageCreateNew(11, nullptr);
    addStateChangeCallback(recordStateChange, 0);
    EXPECT_EQ(SetValueReturnCode_InvalidValue, OrvUtilStyleSetString(9, "PAGE", "NAME", "x"));
    EXPECT_EQ(SetValueReturnCode_InvalidValue, OrvUtilStyleSetString(1, "PAGE", nullptr, "x"));
    sim::setStyleSetResult(SetValueReturnCode_ContextError);
    EXPECT_EQ(SetValueReturnCode_ContextError, OrvUtilStyleSetString(1, "PAGE", "NAME", "x"));
    EXPECT_EQ("Page 1", sim::findPage(1)->name);
    EXPECT_TRUE(trace().empty());

    char sentinel[] = "untouched";
    char* value = sentinel;
    EXPECT_NE(0, OrvUtilStyleGetString(9, "PAGE", "NAME", &value));
    EXPECT_EQ(sentinel, value);
    EXPECT_NE(0, OrvUtilStyleGetString(1, "PAGE", "NAME", nullptr));
    EXPECT_EQ(1u, sim::misuses().size());
}

Boolean_t createFromRequest(StringList_pa arguments, ArbParam_t clientData)
{
    record("create " + std::to_string(OrvUtilStringListGetCount(arguments)));
    return OrvEngPageCreateNew(clientData, arguments);
}

TEST_F(SimulatedEnginePagesTest, AnEnginePageRequestGoesThroughThePageCreateCallback)
{
    EXPECT_FALSE(sim::requestPage({"a"}));
    OrvEngPageCreateRegisterCallback(createFromRequest, 44);
    EXPECT_TRUE(sim::requestPage({"a", "b"}));
    EXPECT_EQ((Lines{"create 2"}), trace());
    EXPECT_EQ((Lines{"a", "b"}), sim::findPage(1)->arguments);
    EXPECT_EQ(44, sim::findPage(1)->clientHandle);
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
