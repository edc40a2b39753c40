// What each observable passes to its listeners, and how clients connect to
// the observables' signals.

#include "integration/intern/KeyEvent.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/OnIdleObservable.h"
#include "support/RecordingListener.h"
#include "support/TestDrawArea.h"
#include "support/TestMouseEvent.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace test {
namespace {

using namespace sdk::integration;

TEST(MouseEventObservable, EachNotificationCallsItsOwnOperationWithTheEventAndSource)
{
    typedef void (intern::MouseEventObservable::*Notification)(MouseEventInterface&, MouseEventObservableInterface&);
    const std::vector<std::pair<Notification, std::string>> cases = {
        {&intern::MouseEventObservable::notifyOfMouseMoved, "mouseMoved"},
        {&intern::MouseEventObservable::notifyOfButtonPressed, "buttonPressed"},
        {&intern::MouseEventObservable::notifyOfButtonDoublePressed, "buttonDoublePressed"},
        {&intern::MouseEventObservable::notifyOfButtonReleased, "buttonReleased"},
    };
    for (const auto& [notification, operation] : cases)
    {
        RecordingListener::Log log;
        RecordingListener listener(log);
        intern::MouseEventObservable observable;
        intern::MouseEventObservable onBehalfOf; // the source need not be the set itself
        observable.addMouseListener(&listener);
        TestMouseEvent event(MouseEventInterface::MouseButton_3, 4, 5);

        (observable.*notification)(event, onBehalfOf);

        ASSERT_EQ(log.size(), 1u) << operation;
        EXPECT_EQ(log[0].operation, operation);
        EXPECT_EQ(log[0].source, static_cast<MouseEventObservableInterface*>(&onBehalfOf)) << operation;
        EXPECT_EQ(log[0].value, MouseEventInterface::MouseButton_3) << operation;
    }
}

TEST(KeyEventObservable, PressAndReleaseCallTheirOwnOperationWithTheEventAndSource)
{
    RecordingListener::Log log;
    RecordingListener listener(log);
    intern::KeyEventObservable observable;
    intern::KeyEventObservable onBehalfOf;
    observable.addKeyboardListener(&listener);
    intern::KeyEvent pressed(nullptr, 'p');
    intern::KeyEvent released(nullptr, 'r');

    observable.notifyOfKeyPressed(pressed, onBehalfOf);
    observable.notifyOfKeyReleased(released, onBehalfOf);

    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].operation, "keyPressed");
    EXPECT_EQ(log[0].value, 'p');
    EXPECT_EQ(log[1].operation, "keyReleased");
    EXPECT_EQ(log[1].value, 'r');
    EXPECT_EQ(log[1].source, static_cast<KeyEventObservableInterface*>(&onBehalfOf));
}

TEST(OnIdleObservable, PassesTheSourceItIsGivenAndNeverFiresItsSignal)
{
    RecordingListener::Log log;
    RecordingListener listener(log);
    intern::OnIdleObservable observable;
    intern::OnIdleObservable onBehalfOf;
    observable.addOnIdleListener(&listener);
    int slotCalls = 0;
    observable.connectOnIdle([&] { ++slotCalls; });

    observable.notifyOfIdle(onBehalfOf);

    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].source, static_cast<OnIdleObservableInterface*>(&onBehalfOf));
    EXPECT_EQ(slotCalls, 0);
}

// A host drawing area that wants to know when someone connects.
class HookRecordingDrawArea : public TestDrawArea
{
public:
    // Each hook call: the signal's name and its slot count at that moment.
    mutable std::vector<std::pair<std::string, std::size_t>> hookCalls;

private:
    void record(const char* name, std::size_t slots) const { hookCalls.emplace_back(name, slots); }

    void signalMouseMovedConnected() const override { record("MouseMoved", signalMouseMoved.num_slots()); }
    void signalButtonPressedConnected() const override { record("ButtonPressed", signalButtonPressed.num_slots()); }
    void signalButtonDoublePressedConnected() const override
    {
        record("ButtonDoublePressed", signalButtonDoublePressed.num_slots());
    }
    void signalButtonReleasedConnected() const override
    {
        record("ButtonReleased", signalButtonReleased.num_slots());
    }
    void signalWheelRotatedConnected() const override { record("WheelRotated", signalWheelRotated.num_slots()); }
    void signalDrawAreaExposedConnected() const override
    {
        record("DrawAreaExposed", signalDrawAreaExposed.num_slots());
    }
    void signalDrawAreaDestroyedConnected() const override
    {
        record("DrawAreaDestroyed", signalDrawAreaDestroyed.num_slots());
    }
    void signalDrawAreaFocusGainedConnected() const override
    {
        record("DrawAreaFocusGained", signalDrawAreaFocusGained.num_slots());
    }
};

struct SignalCase
{
    std::string name;
    std::function<boost::signals2::connection(HookRecordingDrawArea&, std::function<void()>)> connect;
    std::function<void(HookRecordingDrawArea&)> fire;
};

// Connects through a connect<Name> operation a slot that ignores the
// signal's arguments.
template <typename Slot, typename Owner>
std::function<boost::signals2::connection(HookRecordingDrawArea&, std::function<void()>)> connector(
    boost::signals2::connection (Owner::*connect)(const Slot&))
{
    return [connect](HookRecordingDrawArea& area, std::function<void()> action) {
        return (area.*connect)(Slot([action](auto&&...) { action(); }));
    };
}

std::vector<SignalCase> drawAreaSignals()
{
    using MouseSlot = MouseEventObservableInterface::MouseEventSignal::slot_type;
    using WheelSlot = MouseEventObservableInterface::WheelEventSignal::slot_type;
    using ExposedSlot = GLDrawAreaInterface::ExposedSignal::slot_type;
    using StateSlot = GLDrawAreaInterface::StateSignal::slot_type;
    const auto button = MouseEventInterface::MouseButton_1;
    return {
        {"MouseMoved", connector<MouseSlot>(&GLDrawAreaInterface::connectMouseMoved),
         [](HookRecordingDrawArea& a) { a.simulateMove(1, 1); }},
        {"ButtonPressed", connector<MouseSlot>(&GLDrawAreaInterface::connectButtonPressed),
         [=](HookRecordingDrawArea& a) { a.simulatePress(button, 1, 1); }},
        {"ButtonDoublePressed", connector<MouseSlot>(&GLDrawAreaInterface::connectButtonDoublePressed),
         [=](HookRecordingDrawArea& a) { a.simulateDoublePress(button, 1, 1); }},
        {"ButtonReleased", connector<MouseSlot>(&GLDrawAreaInterface::connectButtonReleased),
         [=](HookRecordingDrawArea& a) { a.simulateRelease(button, 1, 1); }},
        {"WheelRotated", connector<WheelSlot>(&GLDrawAreaInterface::connectWheelRotated),
         [](HookRecordingDrawArea& a) { a.simulateWheel(120, MouseWheelEventInterface::Orientation_Vertical); }},
        {"DrawAreaExposed", connector<ExposedSlot>(&GLDrawAreaInterface::connectDrawAreaExposed),
         [](HookRecordingDrawArea& a) { a.simulateExpose(true); }},
        {"DrawAreaDestroyed", connector<StateSlot>(&GLDrawAreaInterface::connectDrawAreaDestroyed),
         [](HookRecordingDrawArea& a) { a.simulateDestroy(); }},
        {"DrawAreaFocusGained", connector<StateSlot>(&GLDrawAreaInterface::connectDrawAreaFocusGained),
         [](HookRecordingDrawArea& a) { a.simulateFocusGained(); }},
    };
}

TEST(SignalConnection, ConnectsAtTheBackAndCallsTheHookAfterEveryConnection)
{
    for (const SignalCase& signal : drawAreaSignals())
    {
        HookRecordingDrawArea area;
        std::vector<int> slotOrder;

        signal.connect(area, [&] { slotOrder.push_back(1); });
        boost::signals2::connection second = signal.connect(area, [&] { slotOrder.push_back(2); });
        signal.fire(area);

        const std::vector<std::pair<std::string, std::size_t>> expectedHooks = {{signal.name, 1}, {signal.name, 2}};
        EXPECT_EQ(area.hookCalls, expectedHooks) << signal.name;
        EXPECT_EQ(slotOrder, (std::vector<int>{1, 2})) << signal.name;

        second.disconnect();
        slotOrder.clear();
        signal.fire(area);
        EXPECT_EQ(slotOrder, std::vector<int>{1}) << signal.name << ": the connection returned is the slot's";
    }
}

class HookRecordingIdleObservable : public intern::OnIdleObservable
{
public:
    mutable std::vector<std::size_t> slotsAtHook;

private:
    void signalOnIdleConnected() const override { slotsAtHook.push_back(signalOnIdle.num_slots()); }
};

TEST(SignalConnection, ConnectOnIdleCallsTheHookAfterEveryConnection)
{
    HookRecordingIdleObservable observable;
    std::vector<int> slotOrder;

    observable.connectOnIdle([&] { slotOrder.push_back(1); });
    observable.connectOnIdle([&] { slotOrder.push_back(2); });
    observable.signalOnIdle();

    EXPECT_EQ(observable.slotsAtHook, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(slotOrder, (std::vector<int>{1, 2}));
}

} // namespace
} // namespace test
} // namespace orvane
