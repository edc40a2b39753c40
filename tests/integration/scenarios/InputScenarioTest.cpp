// A host's user works with the mouse and keyboard while the engine is busy:
// the host stays responsive and the user can interrupt the engine, also
// through a stop button.
#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/KeyEvent.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/RunningHost.h"
#include "support/TestMouseEvent.h"
#include "support/TestStopButton.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

namespace sim = orvane::sim;
using namespace orvane::sdk::integration;
using orvane::test::TestMouseEvent;
using orvane::test::TestStopButton;

namespace {

const MouseEventInterface::MouseButton_e Button1 = MouseEventInterface::MouseButton_1;
const int EscapeKey = 27;
const int LongOperation = 10;

class InputScenarioTest : public orvane::test::RunningHost
{
protected:
    InputScenarioTest() { pages().addPage(&areaA); }

    // The user presses a key anywhere in the application; the host's event
    // loop first tells the monitor which widget receives it.
    void userPressesKey(const void* widget, int key)
    {
        monitor.signalProcessingNewEvent({widget, true});
        intern::KeyEvent event(nullptr, key);
        monitor.notifyOfKeyPressed(event);
    }

    // The user clicks a widget of the application.
    void userClicks(const void* widget)
    {
        monitor.signalProcessingNewEvent({widget, true});
        TestMouseEvent press(Button1, 3, 4);
        monitor.notifyOfButtonPressed(press);
    }

    const int toolbar = 0;
};

} // namespace

TEST_F(InputScenarioTest, TheHostStaysResponsiveAndAKeyPressInterruptsTheEngine)
{
    // The GUI events arrive one busy pass after the other.
    int handledWhileBusy = 0;
    monitor.post([&] {
        ++handledWhileBusy;
        monitor.post([&] {
            userPressesKey(&toolbar, 65);
            monitor.post([&] { ++handledWhileBusy; }); // waits: the operation stops first
        });
    });

    EXPECT_FALSE(sim::runBusyOperation(LongOperation));
    EXPECT_EQ(1, handledWhileBusy);
    EXPECT_EQ(2, monitor.busyPasses);
    EXPECT_EQ(1u, monitor.pendingActions());
    EXPECT_EQ(1, monitor.interruptedCalls);
    EXPECT_FALSE(monitor.isEngineInterruptible());
    // Outside the busy callback a key press interrupts nothing.
    userPressesKey(&toolbar, 66);
    EXPECT_EQ(1u, sim::countCalls("OrvUtilInterrupt"));
}

TEST_F(InputScenarioTest, AnActiveStopButtonHoldsBackOtherInputButEscapeAndTheButtonItselfInterrupt)
{
    const auto stopButton = boost::make_shared<TestStopButton>();
    events().registerStopButton(stopButton);

    // Clicks and keys elsewhere are deferred while the stop button is shown.
    monitor.post([&] { userClicks(&toolbar); });
    monitor.post([&] { userPressesKey(&toolbar, 65); });
    EXPECT_TRUE(sim::runBusyOperation(3));
    EXPECT_TRUE(monitor.interruptDeferred());
    EXPECT_EQ(0, monitor.interruptedCalls);

    // Escape gets through.
    monitor.post([&] { userPressesKey(&toolbar, EscapeKey); });
    EXPECT_FALSE(sim::runBusyOperation(LongOperation));
    EXPECT_EQ(1, monitor.interruptedCalls);

    // A click on the stop button: the host's button turns itself off and
    // asks for the interrupt.
    monitor.post([&] {
        userClicks(stopButton->widget);
        if (monitor.isStopButton(stopButton->widget))
        {
            stopButton->active = false;
            monitor.interrupt();
        }
    });
    EXPECT_FALSE(sim::runBusyOperation(LongOperation));
    EXPECT_EQ(2, monitor.interruptedCalls);
    events().unRegisterStopButton(stopButton);
}
