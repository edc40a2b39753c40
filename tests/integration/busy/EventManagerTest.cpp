// The event manager: drawing-area input reported as it reaches the engine,
// the idle road, and what it forwards to the host's monitor.
#include "integration/EventManagerInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/MouseWheelEvent.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingListener.h"
#include "support/RunningHost.h"

#include <gtest/gtest.h>

#include <set>
#include <typeinfo>

namespace sim = orvane::sim;
using namespace orvane::sdk::integration;
using orvane::test::RecordingListener;

namespace {

const MouseEventInterface::MouseButton_e Button1 = MouseEventInterface::MouseButton_1;

// A host's own key event, with the code as its toolkit gives it.
class HostKeyEvent : public virtual KeyEventInterface
{
public:
    explicit HostKeyEvent(int key) : m_key(key) {}
    int keyboardModifiers() const override { return 0; }
    bool isControlDown() const override { return false; }
    bool isShiftDown() const override { return false; }
    bool isAltDown() const override { return false; }
    int key() const override { return m_key; }

private:
    int m_key;
};

class EventManagerTest : public orvane::test::RunningHost
{
protected:
    RecordingListener::Log log;
    RecordingListener listener{log};

    std::vector<std::string> operations() const
    {
        std::vector<std::string> names;
        for (const RecordingListener::Call& call : log)
            names.push_back(call.operation);
        return names;
    }

    void wheelAnywhere()
    {
        intern::MouseWheelEvent wheel(0, 0, 120, false, false, false, MouseWheelEventInterface::Orientation_Vertical);
        monitor.signalWheelRotated(wheel);
    }
};

} // namespace

TEST_F(EventManagerTest, DrawingAreaInputIsReportedAsItReachesTheEngine)
{
    pages().addPage(&areaA);
    events().addMouseListener(&listener);
    const MouseEventObservableInterface* drawingArea = &areaA;
    std::vector<const MouseEventObservableInterface*> eventSources;
    auto signalled = [&](const char* name) {
        return [&, name](MouseEventInterface& event) {
            log.push_back({nullptr, name, nullptr, event.button()});
            eventSources.push_back(dynamic_cast<intern::MouseEvent&>(event).source());
        };
    };
    events().connectButtonPressed(signalled("signalButtonPressed"));
    events().connectMouseMoved(signalled("signalMouseMoved"));
    events().connectButtonReleased(signalled("signalButtonReleased"));

    reportButtonState(Button1, true);
    areaA.simulatePress(Button1, 10, 10);
    areaA.simulateMove(20, 25);
    reportButtonState(Button1, false);
    areaA.simulateRelease(Button1, 20, 25);
    EXPECT_TRUE(log.empty());

    reportIdle();
    EXPECT_EQ(std::vector<std::string>({"buttonPressed", "signalButtonPressed", "mouseMoved", "signalMouseMoved",
                                        "buttonReleased", "signalButtonReleased"}),
              operations());
    EXPECT_EQ(static_cast<const MouseEventObservableInterface*>(&events()), log[0].source);
    EXPECT_EQ(std::vector<const MouseEventObservableInterface*>(3, drawingArea), eventSources);
    events().removeMouseListener(&listener);

    // Input whose source is no drawing area is refused.
    intern::MouseEventObservable notADrawingArea;
    intern::MouseEvent press(&notADrawingArea, Button1, 0, 0);
    for (MouseEventListenerInterface* areaListener : std::set<MouseEventListenerInterface*>(areaA.mouseListeners))
        EXPECT_THROW(areaListener->buttonPressed(press, notADrawingArea), std::bad_cast);
}

TEST_F(EventManagerTest, KeysAreReportedWithTheServicesTranslationAndReleasesToo)
{
    pages().addPage(&areaA);
    events().addKeyboardListener(&listener);
    service.keyTranslations[200] = 77;

    // The host's drawing area reports its own key events to its listeners.
    HostKeyEvent press(200);
    HostKeyEvent release(200);
    for (KeyEventListenerInterface* areaListener : std::set<KeyEventListenerInterface*>(areaA.keyListeners))
        areaListener->keyPressed(press, areaA);
    for (KeyEventListenerInterface* areaListener : std::set<KeyEventListenerInterface*>(areaA.keyListeners))
        areaListener->keyReleased(release, areaA);
    reportIdle();

    ASSERT_EQ(2u, log.size());
    EXPECT_EQ("keyPressed", log[0].operation);
    EXPECT_EQ(77, log[0].value);
    EXPECT_EQ("keyReleased", log[1].operation);
    EXPECT_EQ(static_cast<const KeyEventObservableInterface*>(&events()), log[1].source);
    // Only the press reached the engine, untranslated.
    ASSERT_EQ(1u, sim::workAreaEvents().size());
    EXPECT_EQ(200, sim::workAreaEvents()[0].buttonOrKey);
    events().removeKeyboardListener(&listener);
}

TEST_F(EventManagerTest, IdleListenersAndTheSignalRunAfterTheEnginesIdleTasks)
{
    PageInterface& page = pages().addPage(&areaA);
    ASSERT_NE(0, page.getUniqueID());
    OrvEngPageDamaged(TRUE, page.getUniqueID());
    int swapsSeenByListener = -1;
    listener.onCall = [&] { swapsSeenByListener = areaA.context.count(orvane::test::TestGLContext::Call_SwapBuffers); };
    events().addOnIdleListener(&listener);
    std::vector<std::string> order;
    events().connectOnIdle([&] { order.push_back(log.empty() ? "signal first" : "signal after listeners"); });

    reportIdle();
    EXPECT_EQ(1, swapsSeenByListener);
    EXPECT_EQ(std::vector<std::string>({"signal after listeners"}), order);
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ(static_cast<const OnIdleObservableInterface*>(&events()), log[0].source);
    EXPECT_EQ(1u, sim::countCalls("OrvUtilOnIdleQueueAddCallback"));

    // The callback ran, so the next idle time queues a new one.
    reportIdle();
    EXPECT_EQ(2u, log.size());
    EXPECT_EQ(2u, sim::countCalls("OrvUtilOnIdleQueueAddCallback"));
    EXPECT_EQ(0u, sim::pendingIdleCallbacks());
    events().removeOnIdleListener(&listener);
}

TEST_F(EventManagerTest, AWorkAreaButtonKeepsTheWheelFromInterruptingUntilItsRelease)
{
    pages().addPage(&areaA);
    reportButtonState(Button1, true);
    areaA.simulatePress(Button1, 1, 1);
    reportIdle();

    monitor.post([this] { wheelAnywhere(); });
    EXPECT_TRUE(sim::runBusyOperation(2));

    reportButtonState(Button1, false);
    areaA.simulateRelease(Button1, 1, 1);
    reportIdle();
    monitor.post([this] { wheelAnywhere(); });
    EXPECT_FALSE(sim::runBusyOperation(2));
    EXPECT_EQ(1, monitor.interruptedCalls);
    // The interruptible window closed with the busy pass.
    EXPECT_FALSE(monitor.isEngineInterruptible());
}
