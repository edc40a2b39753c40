// Key, mouse and wheel events: what they read from the keyboard when they
// are made, and that they stay values afterwards.

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/MouseWheelEvent.h"
#include "support/FakeManagerMiscService.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace orvane {
namespace test {
namespace {

using namespace sdk::integration;

class EventObjectTest : public ::testing::Test
{
protected:
    void SetUp() override { keyboard.makeCurrent(); }

    FakeManagerMiscService keyboard;
};

// One of each event kind, as made now.
std::vector<std::unique_ptr<EventInterface>> oneEventOfEachKind()
{
    std::vector<std::unique_ptr<EventInterface>> events;
    events.emplace_back(new intern::KeyEvent(nullptr, 'k'));
    events.emplace_back(new intern::MouseEvent(nullptr, MouseEventInterface::MouseButton_1, 1, 2));
    events.emplace_back(
        new intern::MouseWheelEvent(1, 2, 120, false, false, false, MouseWheelEventInterface::Orientation_Vertical));
    return events;
}

TEST_F(EventObjectTest, PrintableKeyCodesAreKeptAndOthersTranslatedAsSigned16BitCodes)
{
    keyboard.keyTranslations = {{31, 1031}, {128, 1128}, {27, 1027}, {-5, 995},
                                {200, static_cast<short>(0xFFFF)}, {201, static_cast<short>(0x8000)}};
    const std::vector<std::pair<int, int>> cases = {{32, 32},   {65, 65},   {127, 127}, {31, 1031},   {128, 1128},
                                                    {27, 1027}, {-5, 995},  {200, -1},  {201, -32768}};
    for (const auto& [code, key] : cases)
        EXPECT_EQ(intern::KeyEvent(nullptr, code).key(), key) << code;
    // Printable codes are not asked about.
    EXPECT_EQ(keyboard.translatedKeyCodes, (std::vector<int>{31, 128, 27, -5, 200, 201}));
}

TEST_F(EventObjectTest, EveryKindReportsTheModifierBitsHeldWhenItWasMadeOrNoneWithoutAService)
{
    const int shiftAndAlt = EventInterface::KeyboardModifier_Shift | EventInterface::KeyboardModifier_Alt;
    keyboard.modifiers = shiftAndAlt;
    const auto shiftAndAltEvents = oneEventOfEachKind();
    // An unknown bit is carried along and ignored by the queries.
    keyboard.modifiers = EventInterface::KeyboardModifier_Control | 8;
    const auto controlEvents = oneEventOfEachKind();
    keyboard.modifiers = 0;

    for (const auto& event : shiftAndAltEvents)
    {
        EXPECT_EQ(event->keyboardModifiers(), 5);
        EXPECT_TRUE(event->isShiftDown());
        EXPECT_TRUE(event->isAltDown());
        EXPECT_FALSE(event->isControlDown());
    }
    for (const auto& event : controlEvents)
    {
        EXPECT_EQ(event->keyboardModifiers(), 10);
        EXPECT_FALSE(event->isShiftDown());
        EXPECT_FALSE(event->isAltDown());
        EXPECT_TRUE(event->isControlDown());
    }
    EXPECT_EQ(keyboard.modifierQueries, 6) << "each event asks once, at construction";

    // Without a service (destroying any object of the class leaves none
    // current): no modifiers, and key codes are kept.
    { FakeManagerMiscService gone; }
    for (const auto& event : oneEventOfEachKind())
        EXPECT_EQ(event->keyboardModifiers(), 0);
    EXPECT_EQ(intern::KeyEvent(nullptr, 200).key(), 200);
    EXPECT_EQ(intern::KeyEvent(nullptr, -1).key(), -1);
    EXPECT_EQ(intern::KeyEvent(nullptr, 0x12345).key(), 0x12345) << "kept whole, not cut to 16 bits";
}

TEST_F(EventObjectTest, ACloneIsAnIndependentCopyThatDoesNotAskAgain)
{
    intern::MouseEventObservable source;
    keyboard.modifiers = EventInterface::KeyboardModifier_Shift;
    auto original = std::make_unique<intern::MouseEvent>(&source, MouseEventInterface::MouseButton_2, 30, 40);
    keyboard.modifiers = 0;

    std::unique_ptr<MouseEventInterface> clone(original->clone());
    original.reset();

    EXPECT_EQ(clone->button(), MouseEventInterface::MouseButton_2);
    EXPECT_EQ(clone->x(), 30);
    EXPECT_EQ(clone->y(), 40);
    EXPECT_EQ(clone->keyboardModifiers(), EventInterface::KeyboardModifier_Shift);
    EXPECT_EQ(dynamic_cast<intern::MouseEvent&>(*clone).source(), &source);
    EXPECT_EQ(keyboard.modifierQueries, 1);
}

// Each flag answers for its own button; no other button was ever down.
TEST_F(EventObjectTest, WheelEventsReportOnlyTheThreeRealButtons)
{
    for (int held = 0; held < 3; ++held)
    {
        const intern::MouseWheelEvent event(0, 0, 1, held == 0, held == 1, held == 2,
                                            MouseWheelEventInterface::Orientation_Vertical);
        for (int button = 0; button < 256; ++button)
            EXPECT_EQ(event.wasMouseButtonDown(static_cast<MouseEventInterface::MouseButton_e>(button)),
                      button == held + 1)
                << held << " " << button;
    }
}

} // namespace
} // namespace test
} // namespace orvane
