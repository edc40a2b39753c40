// The focus watch of the page manager (the randomized boundary session
// checks the page trackers' counts).
#include "integration/PageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk::integration;
using orvane::test::TestDrawArea;
namespace sim = orvane::sim;

// A host drawing area that learns when someone connects to its focus signal.
class WatchedDrawArea : public TestDrawArea
{
public:
    mutable int focusConnections = 0;

private:
    void signalDrawAreaFocusGainedConnected() const override { ++focusConnections; }
};

class DrawAreaTrackingTest : public orvane::test::PageManagerFixture
{
protected:
    WatchedDrawArea t1;
    WatchedDrawArea t2;
};

TEST_F(DrawAreaTrackingTest, FocusIsWatchedButDoesNotSwitchPages)
{
    PageInterface& a = addPage(&t1);
    EXPECT_EQ(1, t1.focusConnections);
    addPage(&t2);
    a.setDrawArea(&d3); // the page now shows d3, which is watched
    sim::clearCalls();
    t1.simulateFocusGained();
    t2.simulateFocusGained();
    d3.simulateFocusGained();
    EXPECT_EQ(2, sim::currentPageId());
    EXPECT_EQ(0u, sim::countCalls("OrvUtilPageSetCurrentByUniqueID"));
}

} // namespace
