// The application event monitor: the busy callback's window, interrupts and
// stop buttons, the host's input notifications and the shutdown state.
#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseEvent.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingListener.h"
#include "support/TestHostManager.h"
#include "support/TestStopButton.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <memory>
#include <stdexcept>

namespace sim = orvane::sim;
using namespace orvane::sdk::integration;
using orvane::test::RecordingListener;
using orvane::test::TestApplicationEventMonitor;
using orvane::test::TestHostManager;
using orvane::test::TestStopButton;

namespace {

const int EscapeKey = 27;

class ApplicationEventMonitorTest : public ::testing::Test
{
protected:
    // Created after the engine's reset: the monitor registers its busy
    // callback when it is made.
    std::unique_ptr<TestHostManager> host{(sim::reset(), new TestHostManager)};
    TestApplicationEventMonitor& monitor = host->monitor;

    // The engine calls the busy callback once, from inside an operation.
    void busyPass() { sim::runBusyOperation(1); }

    void pressKey(int key)
    {
        intern::KeyEvent event(nullptr, key);
        monitor.notifyOfKeyPressed(event);
    }
};

} // namespace

TEST_F(ApplicationEventMonitorTest, InterruptReachesTheEngineUnderTheLockUntilTheEndOfTheNextBusyPass)
{
    EXPECT_FALSE(monitor.shouldInterrupt());
    monitor.interrupt();
    EXPECT_TRUE(monitor.shouldInterrupt());
    EXPECT_TRUE(sim::interruptFlag());
    EXPECT_EQ(1, monitor.interruptedCalls);
    const std::vector<sim::EngineCall> interrupts = sim::callsNamed("OrvUtilInterrupt");
    ASSERT_EQ(1u, interrupts.size());
    EXPECT_EQ(1, interrupts[0].lockDepth);
    EXPECT_EQ(1, interrupts[0].lockValue);
    EXPECT_EQ(0, sim::appLockDepth());

    bool seenDuringPass = false;
    monitor.post([&] { seenDuringPass = monitor.shouldInterrupt(); });
    busyPass();
    EXPECT_TRUE(seenDuringPass);
    EXPECT_FALSE(monitor.shouldInterrupt());
}

TEST_F(ApplicationEventMonitorTest, ActiveStopButtonDefersInterruptsExceptDuringAnEscapePress)
{
    int otherWidget = 0;
    const auto stopButton = boost::make_shared<TestStopButton>();
    monitor.registerStopButton(stopButton);
    monitor.registerStopButton(stopButton); // held once
    EXPECT_TRUE(monitor.isStopButton(stopButton.get()));
    EXPECT_FALSE(monitor.isStopButton(&otherWidget));

    monitor.interrupt();
    EXPECT_TRUE(monitor.interruptDeferred());
    EXPECT_FALSE(monitor.shouldInterrupt());
    EXPECT_EQ(0u, sim::countCalls("OrvUtilInterrupt"));
    EXPECT_EQ(0, monitor.interruptedCalls);

    // A key listener asks for an interrupt, as the interrupt processor does.
    RecordingListener::Log log;
    RecordingListener listener(log);
    listener.onCall = [this] { monitor.interrupt(); };
    monitor.addKeyboardListener(&listener);
    pressKey(65);
    EXPECT_EQ(0u, sim::countCalls("OrvUtilInterrupt"));
    pressKey(EscapeKey);
    EXPECT_EQ(1u, sim::countCalls("OrvUtilInterrupt"));
    // Only while the Escape press is being delivered, and not after a key
    // listener threw out of it.
    monitor.interrupt();
    EXPECT_EQ(1u, sim::countCalls("OrvUtilInterrupt"));
    RecordingListener thrower(log);
    thrower.onCall = [] { throw std::runtime_error("host handler failed"); };
    monitor.addKeyboardListener(&thrower);
    monitor.removeKeyboardListener(&listener);
    EXPECT_THROW(pressKey(EscapeKey), std::runtime_error);
    monitor.interrupt();
    EXPECT_EQ(1u, sim::countCalls("OrvUtilInterrupt"));
    monitor.removeKeyboardListener(&thrower);

    stopButton->active = false;
    monitor.interrupt();
    EXPECT_EQ(2u, sim::countCalls("OrvUtilInterrupt"));

    // Unregistered, the button is neither recognised nor shared any more.
    stopButton->active = true;
    monitor.unRegisterStopButton(stopButton);
    EXPECT_FALSE(monitor.isStopButton(stopButton.get()));
    monitor.interrupt();
    EXPECT_EQ(3u, sim::countCalls("OrvUtilInterrupt"));
    EXPECT_EQ(1, stopButton.use_count());
}

TEST_F(ApplicationEventMonitorTest, AnExceptionOutOfTheBusyPassStillEndsTheInterruptibleWindow)
{
    monitor.interrupt();
    monitor.post([] { throw std::runtime_error("escaped the host's event loop"); });
    const auto& busyEvents = sim::callbacks().processBusyEvents;
    ASSERT_TRUE(busyEvents);
    EXPECT_THROW(busyEvents.callback(busyEvents.clientData), std::runtime_error);
    EXPECT_FALSE(monitor.isEngineInterruptible());
    // Cleared only by a pass that returns normally.
    EXPECT_TRUE(monitor.shouldInterrupt());
}

TEST_F(ApplicationEventMonitorTest, InputReachesListenersFirstThenTheSignalUntilShutdownBegins)
{
    RecordingListener::Log log;
    RecordingListener listener(log);
    monitor.addMouseListener(&listener);
    monitor.addKeyboardListener(&listener);
    monitor.addOnIdleListener(&listener);
    monitor.connectButtonPressed([&log](MouseEventInterface& event) {
        log.push_back({nullptr, "signalButtonPressed", nullptr, event.button()});
    });
    int idleSignals = 0;
    monitor.connectOnIdle([&idleSignals] { ++idleSignals; });

    intern::MouseEvent press(nullptr, MouseEventInterface::MouseButton_2, 5, 6, 0);
    monitor.notifyOfButtonPressed(press);
    intern::KeyEvent key(nullptr, 66);
    monitor.notifyOfKeyReleased(key);
    intern::OnIdleObservable idleSourceObservable;
    monitor.notifyOfIdle(idleSourceObservable);

    ASSERT_EQ(4u, log.size());
    EXPECT_EQ("buttonPressed", log[0].operation);
    EXPECT_EQ(static_cast<MouseEventObservableInterface*>(&monitor), log[0].source);
    EXPECT_EQ("signalButtonPressed", log[1].operation);
    EXPECT_EQ(2, log[1].value);
    EXPECT_EQ("keyReleased", log[2].operation);
    EXPECT_EQ(static_cast<KeyEventObservableInterface*>(&monitor), log[2].source);
    EXPECT_EQ("onIdle", log[3].operation);
    EXPECT_EQ(static_cast<OnIdleObservableInterface*>(&idleSourceObservable), log[3].source);
    // The monitor's own idle signal is not fired.
    EXPECT_EQ(0, idleSignals);

    // Once the engine's shutdown began, nothing is delivered.
    log.clear();
    host->signalEngineShutdownInitiated();
    monitor.notifyOfButtonPressed(press);
    pressKey(65);
    monitor.notifyOfIdle(monitor);
    monitor.post([] {});
    busyPass();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(0, monitor.busyPasses);
    EXPECT_EQ(1u, monitor.pendingActions());
    EXPECT_EQ(0, monitor.stopMonitoringCalls);
    host->signalEngineShutdownFinished();
    EXPECT_EQ(1, monitor.stopMonitoringCalls);
}


TEST_F(ApplicationEventMonitorTest, ADestroyedMonitorHearsNoMoreOfTheManager)
{
    std::unique_ptr<TestApplicationEventMonitor> second(new TestApplicationEventMonitor(*host));
    second.reset();
    host->signalEngineShutdownInitiated();
    host->signalEngineShutdownFinished();
    EXPECT_EQ(1, monitor.stopMonitoringCalls);
}
