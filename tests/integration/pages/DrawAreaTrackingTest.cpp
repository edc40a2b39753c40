// Counting the pages a drawing area shows, and the focus watch of the page
// manager.
#include "integration/PageInterface.h"
#include "integration/intern/GLDrawAreaPageTracker.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace orvane::sdk::integration;
using orvane::sdk::integration::intern::GLDrawAreaPageTracker;
using orvane::test::TestDrawArea;
namespace sim = orvane::sim;

// A host drawing area that counts its pages with a tracker, and learns when
// someone connects to its focus signal.
class TrackedDrawArea : public TestDrawArea
{
public:
    TrackedDrawArea() : tracker(*this) {}
    void setPageManager(PageManagerInterface& manager) override
    {
        TestDrawArea::setPageManager(manager);
        tracker.setPageManager(manager);
    }

    GLDrawAreaPageTracker tracker;
    mutable int focusConnections = 0;

private:
    void signalDrawAreaFocusGainedConnected() const override { ++focusConnections; }
};

class DrawAreaTrackingTest : public orvane::test::PageManagerFixture
{
protected:
    void TearDown() override
    {
        // Pages first, then the drawing areas with their trackers, then the
        // manager.
        OrvEngFinalizeShutdown();
        areas.reset();
        PageManagerFixture::TearDown();
    }

    struct Areas
    {
        TrackedDrawArea t1;
        TrackedDrawArea t2;
    };
    std::unique_ptr<Areas> areas{new Areas};
    TrackedDrawArea& t1 = areas->t1;
    TrackedDrawArea& t2 = areas->t2;
};

TEST_F(DrawAreaTrackingTest, CountsThePagesShownAsTheyComeMoveAndGo)
{
    PageInterface& a = addPage(&t1);
    EXPECT_EQ(1, t1.tracker.pageCount());
    EXPECT_EQ(0, t2.tracker.pageCount());
    PageInterface& b = addPage(&t2);
    a.setDrawArea(&t2); // detaches b from t2 first: -1, then +1
    EXPECT_EQ(0, t1.tracker.pageCount());
    EXPECT_EQ(1, t2.tracker.pageCount());
    EXPECT_EQ(nullptr, b.getDrawArea());

    b.setDrawArea(&t1);
    EXPECT_EQ(1, t1.tracker.pageCount());
    b.setDrawArea(nullptr); // detaching lowers only the old one
    EXPECT_EQ(0, t1.tracker.pageCount());
    EXPECT_EQ(1, t2.tracker.pageCount());

    sim::deletePage(1); // the engine destroys the page
    EXPECT_EQ(0, t2.tracker.pageCount());
}

TEST_F(DrawAreaTrackingTest, ADestroyedTrackerNoLongerListens)
{
    PageInterface& page = addPage(&d1);
    {
        GLDrawAreaPageTracker tracker(d1);
        tracker.setPageManager(*manager);
    }
    // Under the address sanitizer, a listener left behind would be a use
    // after free here.
    page.setDrawArea(&d2);
    addPage(&d3);
    sim::deletePage(1);
    EXPECT_EQ(1, manager->pageCount());
}

TEST_F(DrawAreaTrackingTest, AReplacedManagerAndItsPagesAreLeft)
{
    PageInterface& page = addPage(&t1);
    orvane::sdk::integration::intern::PageManager other(host);
    t1.tracker.setPageManager(other);
    page.setDrawArea(nullptr);
    EXPECT_EQ(1, t1.tracker.pageCount()); // no longer told of the old pages
    t1.tracker.setPageManager(*manager);  // before `other` goes
}

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
