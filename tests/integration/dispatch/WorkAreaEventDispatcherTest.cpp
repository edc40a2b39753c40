// The work-area event dispatcher against the simulated engine: queues per
// drawing area, the held-button rules, drags, made-up releases, interrupts,
// re-entry and the pages that decide which queue is served.
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/WorkAreaEventDispatcher.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/RunningHost.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <typeinfo>

namespace sim = orvane::sim;
using namespace orvane::sdk::integration;
using orvane::test::TestDrawArea;
typedef intern::WorkAreaEventDispatcher::EventInfo EventInfo;

namespace {

const MouseEventInterface::MouseButton_e Button1 = MouseEventInterface::MouseButton_1;
const MouseEventInterface::MouseButton_e Button2 = MouseEventInterface::MouseButton_2;
const MouseEventInterface::MouseButton_e Button3 = MouseEventInterface::MouseButton_3;

// "kind:buttonOrKey" of each event the engine received.
std::vector<std::string> engineEvents()
{
    std::vector<std::string> events;
    for (const sim::WorkAreaEvent& event : sim::workAreaEvents())
        events.push_back(std::to_string(event.kind) + ":" + std::to_string(event.buttonOrKey));
    return events;
}

std::string describe(const EventInfo& info) { return std::to_string(info.kind) + ":" + std::to_string(info.buttonOrKey); }

// A dispatcher of its own next to the event manager's, which never
// dispatches here because the tests report no idle time.
class WorkAreaEventDispatcherTest : public orvane::test::RunningHost
{
protected:
    WorkAreaEventDispatcherTest()
    {
        dispatcher.connectBeforeDispatch(
            [this](GLDrawAreaInterface&, const EventInfo& info) { before.push_back(describe(info)); });
        dispatcher.connectAfterDispatch(
            [this](GLDrawAreaInterface&, const EventInfo& info) { after.push_back(describe(info)); });
    }

    intern::WorkAreaEventDispatcher dispatcher{pages(), monitor};
    std::vector<std::string> before;
    std::vector<std::string> after;
};

} // namespace

TEST_F(WorkAreaEventDispatcherTest, PressDragReleaseReachTheEngineAsPressDragsAndRelease)
{
    pages().addPage(&areaA);
    reportButtonState(Button1, true);
    areaA.simulatePress(Button1, 10, 10);
    areaA.simulateMove(12, 13);
    areaA.simulateMove(15, 17);
    reportButtonState(Button1, false);
    areaA.simulateRelease(Button1, 15, 17);
    EXPECT_TRUE(sim::workAreaEvents().empty());

    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"0:1", "4:1", "4:1", "1:1"}), engineEvents());
    EXPECT_EQ(std::vector<std::string>({"0:1", "3:0", "3:0", "1:1"}), before);
    EXPECT_EQ(std::vector<std::string>({"0:1", "4:1", "4:1", "1:1"}), after);
    EXPECT_EQ(15, sim::workAreaEvents().back().x);
    // Each handed-over event is followed by an interrupt query under the lock.
    const std::vector<sim::EngineCall> queries = sim::callsNamed("OrvUtilInterruptIsSet");
    ASSERT_EQ(4u, queries.size());
    EXPECT_EQ(1, queries[0].lockDepth);
    EXPECT_EQ(1, queries[0].lockValue);
    EXPECT_EQ(0u, sim::callsNamed("OrvUtilDispatchWorkAreaEvent")[0].lockDepth);
}

TEST_F(WorkAreaEventDispatcherTest, OnlyTheHeldButtonsReleaseGetsThroughWhileItIsHeld)
{
    pages().addPage(&areaA);
    reportButtonState(Button1, true);
    areaA.simulatePress(Button1, 1, 1);
    areaA.simulatePress(Button3, 1, 1);
    areaA.simulateRelease(Button2, 1, 1);
    areaA.simulateDoublePress(Button1, 1, 1);
    areaA.simulateRelease(Button1, 1, 1);
    // Without a held button a double press goes through and holds nothing.
    areaA.simulateDoublePress(Button2, 1, 1);
    areaA.simulateMove(2, 2);
    dispatcher.dispatchQueuedEvents();

    EXPECT_EQ(std::vector<std::string>({"0:1", "1:1", "2:2", "3:0"}), engineEvents());
    EXPECT_EQ(7u, before.size());
    EXPECT_EQ(7u, after.size());
}

TEST_F(WorkAreaEventDispatcherTest, KeysCarryNoPositionAndReleasesOnlyPassTheSignals)
{
    pages().addPage(&areaA);
    service.modifiers = 2;
    areaA.simulateKeyPress(65);
    areaA.simulateKeyRelease(65);
    dispatcher.dispatchQueuedEvents();

    ASSERT_EQ(1u, sim::workAreaEvents().size());
    const sim::WorkAreaEvent& key = sim::workAreaEvents()[0];
    EXPECT_EQ(5, key.kind);
    EXPECT_EQ(65, key.buttonOrKey);
    EXPECT_EQ(-1, key.x);
    EXPECT_EQ(-1, key.y);
    EXPECT_TRUE(key.control);
    EXPECT_EQ(std::vector<std::string>({"5:65", "255:65"}), after);
    EXPECT_EQ(1u, sim::countCalls("OrvUtilInterruptIsSet"));
}

TEST_F(WorkAreaEventDispatcherTest, WhileTheEngineIsBusyMovesAreDroppedAndTheRestWaits)
{
    pages().addPage(&areaA);
    sim::setBusy(true);
    reportButtonState(Button1, true);
    areaA.simulateMove(5, 5);
    areaA.simulatePress(Button1, 5, 5);
    areaA.simulateMove(6, 6);
    areaA.simulateKeyPress(66);
    sim::setBusy(false);
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"0:1", "5:66"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, AnInterruptDropsTheRestOfTheQueueAndTheHeldButton)
{
    pages().addPage(&areaA);
    reportButtonState(Button1, true);
    areaA.simulatePress(Button1, 1, 1);
    areaA.simulateMove(2, 2);
    areaA.simulateKeyPress(67);
    sim::setInterruptFlag(true);
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"0:1"}), engineEvents());
    EXPECT_EQ(std::vector<std::string>({"0:1"}), after);

    // Nothing is held any more: a new press goes through.
    sim::setInterruptFlag(false);
    areaA.simulatePress(Button2, 1, 1);
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"0:1", "0:2"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, AReleaseTheHostLostIsMadeUpAtTheLastPosition)
{
    pages().addPage(&areaA);
    areaA.mouseModifiers = 1; // Shift
    reportButtonState(Button1, true);
    areaA.simulatePress(Button1, 30, 40);
    dispatcher.dispatchQueuedEvents();

    // The button went up outside the drawing area: no release arrives.
    reportButtonState(Button1, false);
    areaA.mouseModifiers = 0;
    areaA.simulateMove(50, 60);
    dispatcher.dispatchQueuedEvents();

    EXPECT_EQ(std::vector<std::string>({"0:1", "1:1", "3:0"}), engineEvents());
    const sim::WorkAreaEvent& madeUp = sim::workAreaEvents()[1];
    EXPECT_EQ(30, madeUp.x);
    EXPECT_EQ(40, madeUp.y);
    EXPECT_TRUE(madeUp.shift);
    // Neither signalled nor followed by an interrupt query.
    EXPECT_EQ(std::vector<std::string>({"0:1", "3:0"}), after);
    EXPECT_EQ(2u, sim::countCalls("OrvUtilInterruptIsSet"));
}

TEST_F(WorkAreaEventDispatcherTest, AQueuedReleaseIsNotMadeUp)
{
    pages().addPage(&areaA);
    reportButtonState(Button1, true);
    areaA.simulatePress(Button1, 1, 1);
    reportButtonState(Button1, false);
    areaA.simulateMove(2, 2);
    areaA.simulateRelease(Button1, 2, 2);
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"0:1", "4:1", "1:1"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, ANestedDispatchDoesNothing)
{
    pages().addPage(&areaA);
    areaA.simulateKeyPress(65);
    areaA.simulateKeyPress(66);
    int nested = 0;
    dispatcher.connectBeforeDispatch([&](GLDrawAreaInterface&, const EventInfo&) {
        ++nested;
        dispatcher.dispatchQueuedEvents();
    });
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(2, nested);
    EXPECT_EQ(std::vector<std::string>({"5:65", "5:66"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, ASlotThatThrowsLosesItsEventAndLeavesTheRestForLater)
{
    pages().addPage(&areaA);
    areaA.simulateKeyPress(65);
    areaA.simulateKeyPress(66);
    bool fail = true;
    dispatcher.connectBeforeDispatch([&](GLDrawAreaInterface&, const EventInfo&) {
        if (fail)
            throw std::runtime_error("host slot failed");
    });
    EXPECT_THROW(dispatcher.dispatchQueuedEvents(), std::runtime_error);
    EXPECT_TRUE(sim::workAreaEvents().empty());

    fail = false;
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"5:66"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, OnlyTheCurrentPagesQueueIsServedAndTheOthersAreEmptiedOnASwitch)
{
    PageInterface& first = pages().addPage(&areaA);
    pages().addPage(&areaB); // now current
    areaA.simulateKeyPress(65); // waits for its page to become current
    areaB.simulateKeyPress(66);

    pages().setCurrentPage(first);
    ASSERT_EQ(&first, pages().getCurrentPage());
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"5:65"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, ASwitchOfPagesForgetsTheHeldButton)
{
    PageInterface& first = pages().addPage(&areaA);
    PageInterface& second = pages().addPage(&areaB);
    reportButtonState(Button1, true);
    areaB.simulatePress(Button1, 1, 1);
    dispatcher.dispatchQueuedEvents();

    pages().setCurrentPage(first);
    pages().setCurrentPage(second);
    areaB.simulatePress(Button2, 1, 1);
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"0:1", "0:2"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, DrawingAreasAreFollowedAsPagesComeGoAndMove)
{
    PageInterface& page = pages().addPage(&areaA);
    EXPECT_EQ(1u, areaA.mouseListeners.count(&dispatcher));
    EXPECT_EQ(1u, areaA.keyListeners.count(&dispatcher));

    page.setDrawArea(&areaB);
    EXPECT_EQ(0u, areaA.mouseListeners.count(&dispatcher));
    EXPECT_EQ(1u, areaB.keyListeners.count(&dispatcher));
    areaB.simulateKeyPress(65);
    areaA.simulateKeyPress(66); // no page shows it: ignored
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"5:65"}), engineEvents());

    pages().deletePage(page);
    EXPECT_EQ(0u, areaB.mouseListeners.count(&dispatcher));
    EXPECT_EQ(0, pages().pageCount());
}

TEST_F(WorkAreaEventDispatcherTest, ADrawingAreaStaysServedWhileAnotherPageShowsIt)
{
    PageInterface& first = pages().addPage(&areaA);
    pages().addPage(&areaA); // takes the drawing area from the first page
    EXPECT_EQ(nullptr, first.getDrawArea());

    pages().deletePage(first);
    EXPECT_EQ(1u, areaA.keyListeners.count(&dispatcher));
    areaA.simulateKeyPress(65);
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(std::vector<std::string>({"5:65"}), engineEvents());
}

TEST_F(WorkAreaEventDispatcherTest, ACurrentPageWithoutDrawingAreaHasNothingToDispatch)
{
    pages().addPage(&areaA);
    areaA.simulateKeyPress(65);
    pages().addPage(nullptr);
    dispatcher.dispatchQueuedEvents();
    EXPECT_TRUE(sim::workAreaEvents().empty());
    EXPECT_TRUE(before.empty());
}

TEST_F(WorkAreaEventDispatcherTest, InputFromSomethingOtherThanADrawingAreaIsRefused)
{
    pages().addPage(&areaA);
    intern::MouseEventObservable notADrawingArea;
    intern::MouseEvent press(&notADrawingArea, Button1, 0, 0);
    EXPECT_THROW(dispatcher.buttonPressed(press, notADrawingArea), std::bad_cast);
    dispatcher.dispatchQueuedEvents();
    EXPECT_TRUE(before.empty());
}
