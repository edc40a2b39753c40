#include "EngineTrace.h"

#include <sstream>

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

class SimulatedEngineInputAndServicesTest : public EngineTest
{
};

void coordinates(const char* first, const char* second, ArbParam_t)
{
    record(first);
    record(second);
}

void selection(double x1, double y1, double x2, double y2, Boolean_t flag, ArbParam_t)
{
    std::ostringstream text;
    text << "select " << x1 << " " << y1 << " " << x2 << " " << y2 << " " << int(flag);
    record(text.str());
}

TEST_F(SimulatedEngineInputAndServicesTest, WorkAreaInputMovesTheViewOfTheCurrentPage)
{
    OrvEngShowRunningCoordinatesRegisterCallback(coordinates, 0);
    OrvEngSelectRegionRegisterCallback(selection, 0);
    OrvUtilDispatchWorkAreaEvent(1, 1, 0, 3, FALSE, FALSE, FALSE); // no page: recorded only
    OrvEngPageCreateNew(11, nullptr);

    EXPECT_EQ(TRUE, OrvUtilDispatchWorkAreaEvent(10, 10, 1, 0, FALSE, FALSE, FALSE));
    OrvUtilDispatchWorkAreaEvent(15, 20, 1, 4, FALSE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(25, 30, 1, 1, FALSE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(-1, -1, 43, 5, FALSE, FALSE, TRUE);
    const sim::PageView view = sim::findPage(1)->view;
    EXPECT_EQ(5.0, view.panX);
    EXPECT_EQ(10.0, view.panY);
    EXPECT_EQ(1.25, view.zoom);

    OrvUtilDispatchWorkAreaEvent(30, 35, 0, 3, FALSE, FALSE, FALSE);
    EXPECT_EQ((Lines{"X: 20", "Y: 20"}), trace());

    // A shift-drag selects instead of panning, reported at the release.
    OrvUtilDispatchWorkAreaEvent(5, 10, 1, 0, TRUE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(20, 20, 1, 4, TRUE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(30, 35, 1, 1, TRUE, FALSE, FALSE);
    EXPECT_EQ("select 0 0 20 20 1", trace().back());
    EXPECT_EQ(5.0, sim::findPage(1)->view.panX);

    const std::vector<sim::WorkAreaEvent>& events = sim::workAreaEvents();
    ASSERT_EQ(9u, events.size());
    EXPECT_EQ(0, events[0].pageId);
    EXPECT_EQ(1, events[1].pageId);
    EXPECT_TRUE(events[4].control);
    EXPECT_EQ(43, events[4].buttonOrKey);
}

} // namespace
