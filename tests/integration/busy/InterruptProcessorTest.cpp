// When input interrupts the engine: the rules per input kind, the work-area
// button, and the release rule with its receivers.
#include "integration/intern/InterruptProcessor.h"
#include "integration/intern/KeyEvent.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/MouseWheelEvent.h"
#include "integration/intern/OnIdleObservable.h"
#include "support/FakeManagerMiscService.h"

#include <gtest/gtest.h>

#include <memory>

using namespace orvane::sdk::integration;
using orvane::test::FakeManagerMiscService;
typedef MouseEventInterface::MouseButton_e Button;

namespace {

// A monitor whose busy and interruptible states the test sets; it counts the
// interrupts asked of it.
class ScriptedMonitor : public intern::MouseEventObservable,
                        public intern::KeyEventObservable,
                        public intern::OnIdleObservable,
                        public virtual ApplicationEventMonitorInterface
{
public:
    bool busy = false;
    bool interruptible = false;
    int interrupts = 0;

    bool isBusy() const override { return busy; }
    bool shouldInterrupt() override { return interrupts > 0; }
    bool isReady() override { return true; }
    bool stopMonitoring() override { return true; }
    void interrupt() override { ++interrupts; }
    bool isEngineInterruptible() const override { return interruptible; }
    void registerStopButton(const boost::shared_ptr<const StopButtonInterface>&) override {}
    void unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>&) override {}

    // The host's input, as the monitor's listeners hear it.
    void press(Button button) { mouse(&intern::MouseEventObservable::notifyOfButtonPressed, button); }
    void doublePress(Button button) { mouse(&intern::MouseEventObservable::notifyOfButtonDoublePressed, button); }
    void release(Button button) { mouse(&intern::MouseEventObservable::notifyOfButtonReleased, button); }
    void move() { mouse(&intern::MouseEventObservable::notifyOfMouseMoved, MouseEventInterface::MouseButton_None); }
    void key(int code)
    {
        intern::KeyEvent event(nullptr, code);
        notifyOfKeyPressed(event, *this);
    }
    void keyUp(int code)
    {
        intern::KeyEvent event(nullptr, code);
        notifyOfKeyReleased(event, *this);
    }
    void wheel()
    {
        intern::MouseWheelEvent event(0, 0, 120, false, false, false, MouseWheelEventInterface::Orientation_Vertical);
        signalWheelRotated(event);
    }
    void processing(const void* receiver, bool allowsInterrupt)
    {
        signalProcessingNewEvent(EventReceiverInfo{receiver, allowsInterrupt});
    }

private:
    typedef void (intern::MouseEventObservable::*Notification)(MouseEventInterface&, MouseEventObservableInterface&);
    void mouse(Notification notification, Button button)
    {
        intern::MouseEvent event(nullptr, button, 10, 20);
        (this->*notification)(event, *this);
    }
};

class InterruptProcessorTest : public ::testing::Test
{
protected:
    ScriptedMonitor monitor;
    FakeManagerMiscService service;
    std::unique_ptr<intern::InterruptProcessor> processor{new intern::InterruptProcessor(monitor, &service)};

    // Inside the engine's busy callback.
    void busyAndInterruptible()
    {
        monitor.busy = true;
        monitor.interruptible = true;
    }
};

// Two widgets of the host, by identity.
const int ReceiverA = 1;
const int ReceiverB = 2;

} // namespace

TEST_F(InterruptProcessorTest, NoInputInterruptsOutsideTheBusyCallback)
{
    monitor.busy = true;
    service.pressedButtons.insert(MouseEventInterface::MouseButton_1);
    monitor.processing(&ReceiverA, true);
    monitor.key(27);
    monitor.press(MouseEventInterface::MouseButton_1);
    monitor.doublePress(MouseEventInterface::MouseButton_1);
    monitor.release(MouseEventInterface::MouseButton_2);
    monitor.move();
    monitor.wheel();
    monitor.signalWidgetChangeDuetoTimerEvent();
    EXPECT_EQ(0, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, InsideTheBusyCallbackKeysPressesWheelAndTimerInterrupt)
{
    busyAndInterruptible();
    monitor.keyUp(65);
    EXPECT_EQ(0, monitor.interrupts);
    monitor.key(65);
    EXPECT_EQ(1, monitor.interrupts);
    monitor.press(MouseEventInterface::MouseButton_3);
    EXPECT_EQ(2, monitor.interrupts);
    monitor.doublePress(MouseEventInterface::MouseButton_3);
    EXPECT_EQ(3, monitor.interrupts);
    monitor.wheel();
    EXPECT_EQ(4, monitor.interrupts);
    monitor.signalWidgetChangeDuetoTimerEvent();
    EXPECT_EQ(5, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, MoveInterruptsOnlyWithAButtonDownAndNoWorkAreaButton)
{
    busyAndInterruptible();
    monitor.move();
    EXPECT_EQ(0, monitor.interrupts);
    EXPECT_EQ(3u, service.buttonQueries.size());

    // The service is asked button by button and the first pressed one ends it.
    service.buttonQueries.clear();
    service.pressedButtons.insert(MouseEventInterface::MouseButton_2);
    monitor.move();
    EXPECT_EQ(1, monitor.interrupts);
    EXPECT_EQ(std::vector<Button>({MouseEventInterface::MouseButton_1, MouseEventInterface::MouseButton_2}),
              service.buttonQueries);

    processor->workAreaButtonPressed(MouseEventInterface::MouseButton_1);
    monitor.move();
    monitor.wheel();
    monitor.doublePress(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(1, monitor.interrupts);
    // A press still interrupts while the work area holds a button.
    monitor.press(MouseEventInterface::MouseButton_2);
    EXPECT_EQ(2, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, WithoutAServiceNoButtonCountsAsDown)
{
    processor.reset();
    processor.reset(new intern::InterruptProcessor(monitor, nullptr));
    busyAndInterruptible();
    monitor.move();
    EXPECT_EQ(0, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, TheFirstWorkAreaButtonStaysTrackedUntilItsOwnRelease)
{
    busyAndInterruptible();
    processor->workAreaButtonPressed(MouseEventInterface::MouseButton_1);
    processor->workAreaButtonPressed(MouseEventInterface::MouseButton_3);
    processor->workAreaButtonReleased(MouseEventInterface::MouseButton_3);
    monitor.wheel();
    EXPECT_EQ(0, monitor.interrupts);

    processor->workAreaButtonReleased(MouseEventInterface::MouseButton_1);
    monitor.wheel();
    EXPECT_EQ(1, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, ReleaseInterruptsOnlyAtAReceiverThatAllowsIt)
{
    busyAndInterruptible();
    // Nothing processed yet: no receiver allows interrupts.
    monitor.release(MouseEventInterface::MouseButton_2);
    EXPECT_EQ(0, monitor.interrupts);

    monitor.processing(&ReceiverA, false);
    monitor.release(MouseEventInterface::MouseButton_2);
    EXPECT_EQ(0, monitor.interrupts);

    // A button nobody followed: interrupts at once.
    monitor.processing(&ReceiverA, true);
    monitor.release(MouseEventInterface::MouseButton_2);
    EXPECT_EQ(1, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, ReleaseOfAPressPendingSinceTheEngineBecameBusyDoesNotInterrupt)
{
    // Pressed while idle; the next processed event finds the engine busy:
    // the press is pending.
    monitor.processing(&ReceiverA, true);
    monitor.press(MouseEventInterface::MouseButton_1);
    busyAndInterruptible();
    monitor.processing(&ReceiverB, true);

    // No idle release recorded a receiver, so this release does not match.
    monitor.release(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(0, monitor.interrupts);

    // The press is forgotten with its release: the next release interrupts.
    monitor.release(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(1, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, ReleaseOfAWorkAreaButtonComparesTheReceivers)
{
    // A release made while idle; the first event processed while busy
    // records the receiver of the last processed event.
    monitor.processing(&ReceiverA, true);
    monitor.release(MouseEventInterface::MouseButton_2);
    monitor.busy = true;
    monitor.processing(&ReceiverA, true);

    busyAndInterruptible();
    processor->workAreaButtonPressed(MouseEventInterface::MouseButton_1);
    monitor.release(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(1, monitor.interrupts);

    monitor.processing(&ReceiverB, true);
    monitor.release(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(1, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, IdlePressBecomesPendingOnlyWhenTheEngineIsSeenBusyOrReportedNoLongerBusy)
{
    // Not seen busy: the release of the idle press interrupts like any other.
    monitor.processing(&ReceiverA, true);
    monitor.press(MouseEventInterface::MouseButton_1);
    monitor.interruptible = true;
    monitor.release(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(1, monitor.interrupts);

    // Reported no longer busy: pending, even though the engine is not busy.
    monitor.interruptible = false;
    monitor.press(MouseEventInterface::MouseButton_1);
    monitor.signalEngineIsNoLongerBusy();
    busyAndInterruptible();
    monitor.release(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(1, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, AnInterruptClearsThePendingPress)
{
    monitor.processing(&ReceiverA, true);
    monitor.press(MouseEventInterface::MouseButton_1);
    monitor.signalEngineIsNoLongerBusy();
    busyAndInterruptible();
    monitor.key(65);
    EXPECT_EQ(1, monitor.interrupts);
    monitor.release(MouseEventInterface::MouseButton_1);
    EXPECT_EQ(2, monitor.interrupts);
}

TEST_F(InterruptProcessorTest, DestructionLeavesTheMonitorClean)
{
    processor.reset();
    busyAndInterruptible();
    monitor.key(65);
    monitor.wheel();
    monitor.signalWidgetChangeDuetoTimerEvent();
    monitor.processing(&ReceiverA, true);
    monitor.signalEngineIsNoLongerBusy();
    EXPECT_EQ(0, monitor.interrupts);
    EXPECT_TRUE(monitor.signalWheelRotated.empty());
    EXPECT_TRUE(monitor.signalProcessingNewEvent.empty());
}
