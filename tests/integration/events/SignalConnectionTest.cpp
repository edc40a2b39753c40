// How clients connect to a drawing area's signals: at the back, with the
// signal's own hook called after every connection.

#include "support/TestDrawArea.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace test {
namespace {

using namespace sdk::integration;

// A host drawing area that wants to know when someone connects.
class HookRecordingDrawArea : public TestDrawArea
{
public:
    // Each hook call: the signal's name and its slot count at that moment.
    mutable std::vector<std::pair<std::string, std::size_t>> hookCalls;

private:
#define ORVANE_RECORD_HOOK(Name) \
    void signal##Name##Connected() const override { hookCalls.emplace_back(#Name, signal##Name.num_slots()); }
    ORVANE_RECORD_HOOK(MouseMoved)
    ORVANE_RECORD_HOOK(ButtonPressed)
    ORVANE_RECORD_HOOK(ButtonDoublePressed)
    ORVANE_RECORD_HOOK(ButtonReleased)
    ORVANE_RECORD_HOOK(WheelRotated)
    ORVANE_RECORD_HOOK(DrawAreaExposed)
    ORVANE_RECORD_HOOK(DrawAreaDestroyed)
    ORVANE_RECORD_HOOK(DrawAreaFocusGained)
#undef ORVANE_RECORD_HOOK
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

} // namespace
} // namespace test
} // namespace orvane
