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

#include <sstream>
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

    // Plays a script of words, each one step of the host, the engine or the
    // window system:
    //   A B 0      a new page showing areaA, areaB or no drawing area
    //   cur<n> del<n>   the n-th page made becomes current or is deleted
    //   @A @B      the drawing area the next input happens in (areaA at first)
    //   hold<n> free<n>   the application reports button n down or up
    //   press<n> dbl<n> rel<n> move key<code>   input in the drawing area
    //   busy idle  the engine's busy state; int noint  its interrupt flag
    //   go         the queued events are dispatched
    void play(const std::string& script)
    {
        std::vector<PageInterface*> made;
        TestDrawArea* area = &areaA;
        std::istringstream words(script);
        for (std::string word; words >> word;)
        {
            const auto number = [&word](std::size_t at) { return std::stoi(word.substr(at)); };
            const auto button = [&](std::size_t at) { return static_cast<MouseEventInterface::MouseButton_e>(number(at)); };
            if (word == "A" || word == "B" || word == "0")
                made.push_back(&pages().addPage(word == "A" ? &areaA : word == "B" ? &areaB : nullptr));
            else if (word.rfind("cur", 0) == 0)
                pages().setCurrentPage(*made.at(number(3) - 1));
            else if (word.rfind("del", 0) == 0)
                pages().deletePage(*made.at(number(3) - 1));
            else if (word[0] == '@')
                area = word == "@A" ? &areaA : &areaB;
            else if (word.rfind("hold", 0) == 0 || word.rfind("free", 0) == 0)
                reportButtonState(button(4), word[0] == 'h');
            else if (word.rfind("press", 0) == 0)
                area->simulatePress(button(5), 1, 1);
            else if (word.rfind("dbl", 0) == 0)
                area->simulateDoublePress(button(3), 1, 1);
            else if (word.rfind("rel", 0) == 0)
                area->simulateRelease(button(3), 1, 1);
            else if (word == "move")
                area->simulateMove(2, 2);
            else if (word.rfind("key", 0) == 0)
                area->simulateKeyPress(number(3));
            else if (word == "busy" || word == "idle")
                sim::setBusy(word == "busy");
            else if (word == "int" || word == "noint")
                sim::setInterruptFlag(word == "int");
            else if (word == "go")
                dispatcher.dispatchQueuedEvents();
            else
                FAIL() << "unknown step " << word;
        }
    }
};

} // namespace

TEST_F(WorkAreaEventDispatcherTest, PressDragReleaseReachTheEngineAsPressDragsAndRelease)
{
    play("A hold1 press1 move move free1 rel1");
    EXPECT_TRUE(sim::workAreaEvents().empty());

    play("go");
    EXPECT_EQ(std::vector<std::string>({"0:1", "4:1", "4:1", "1:1"}), engineEvents());
    EXPECT_EQ(std::vector<std::string>({"0:1", "3:0", "3:0", "1:1"}), before);
    EXPECT_EQ(std::vector<std::string>({"0:1", "4:1", "4:1", "1:1"}), after);
    EXPECT_EQ(2, sim::workAreaEvents()[1].x); // a drag where the pointer went
    EXPECT_EQ(1, sim::workAreaEvents().back().x);
    // Each handed-over event is followed by an interrupt query under the lock.
    const std::vector<sim::EngineCall> queries = sim::callsNamed("OrvUtilInterruptIsSet");
    ASSERT_EQ(4u, queries.size());
    EXPECT_EQ(1, queries[0].lockDepth);
    EXPECT_EQ(1, queries[0].lockValue);
    EXPECT_EQ(0u, sim::callsNamed("OrvUtilDispatchWorkAreaEvent")[0].lockDepth);
}

// A script of steps (see play()) and what reached the engine.
struct Script
{
    const char* steps;
    std::vector<std::string> engine; // the events the engine received
    std::vector<std::string> after;  // the after-dispatch signals
};

// Printed by its steps (the struct's padding is never read).
void PrintTo(const Script& script, std::ostream* out) { *out << script.steps; }

class Scripts : public WorkAreaEventDispatcherTest, public ::testing::WithParamInterface<Script>
{
};

TEST_P(Scripts, ReachTheEngineAsTheRulesSay)
{
    play(GetParam().steps);
    EXPECT_EQ(GetParam().engine, engineEvents());
    EXPECT_EQ(GetParam().after, after);
}

INSTANTIATE_TEST_SUITE_P(
    Dispatch, Scripts,
    ::testing::Values(
        // Only the held button's release gets through while it is held;
        // without a held button a double press goes through and holds
        // nothing. Every event still passes the signals, as it was.
        Script{"A hold1 press1 press3 rel2 dbl1 rel1 dbl2 move go",
               {"0:1", "1:1", "2:2", "3:0"},
               {"0:1", "0:3", "1:2", "2:1", "1:1", "2:2", "3:0"}},
        // While the engine is busy moves are dropped and the rest waits.
        Script{"A busy hold1 move press1 move key66 idle go", {"0:1", "5:66"}, {"0:1", "5:66"}},
        // An interrupt drops the rest of the queue and the held button: a
        // new press goes through.
        Script{"A hold1 press1 move key67 int go noint press2 go", {"0:1", "0:2"}, {"0:1", "0:2"}},
        // A queued release is not made up.
        Script{"A hold1 press1 free1 move rel1 go", {"0:1", "4:1", "1:1"}, {"0:1", "4:1", "1:1"}},
        // Only the current page's queue is served; the others are emptied
        // on a switch.
        Script{"A B @A key65 @B key66 cur1 go", {"5:65"}, {"5:65"}},
        // A switch of pages forgets the held button.
        Script{"A B hold1 @B press1 go cur1 cur2 press2 go", {"0:1", "0:2"}, {"0:1", "0:2"}},
        // A drawing area stays served while another page shows it: the
        // second page took it from the first, which goes.
        Script{"A A del1 key65 go", {"5:65"}, {"5:65"}},
        // A current page without a drawing area has nothing to dispatch:
        // not even the signals hear of it.
        Script{"A key65 0 go", {}, {}}));

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

// A dispatch from inside one does nothing; a slot that throws loses its
// event and leaves the rest for later.
TEST_F(WorkAreaEventDispatcherTest, ANestedDispatchDoesNothingAndAThrowingSlotLosesOnlyItsEvent)
{
    pages().addPage(&areaA);
    for (int key : {65, 66, 67})
        areaA.simulateKeyPress(key);
    int calls = 0;
    dispatcher.connectBeforeDispatch([&](GLDrawAreaInterface&, const EventInfo&) {
        if (++calls == 1)
            throw std::runtime_error("host slot failed");
        dispatcher.dispatchQueuedEvents();
    });
    EXPECT_THROW(dispatcher.dispatchQueuedEvents(), std::runtime_error);
    EXPECT_TRUE(sim::workAreaEvents().empty());
    dispatcher.dispatchQueuedEvents();
    EXPECT_EQ(3, calls);
    EXPECT_EQ(std::vector<std::string>({"5:66", "5:67"}), engineEvents());
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

TEST_F(WorkAreaEventDispatcherTest, InputFromSomethingOtherThanADrawingAreaIsRefused)
{
    pages().addPage(&areaA);
    intern::MouseEventObservable notADrawingArea;
    intern::MouseEvent press(&notADrawingArea, Button1, 0, 0);
    EXPECT_THROW(dispatcher.buttonPressed(press, notADrawingArea), std::bad_cast);
    dispatcher.dispatchQueuedEvents();
    EXPECT_TRUE(before.empty());
}
