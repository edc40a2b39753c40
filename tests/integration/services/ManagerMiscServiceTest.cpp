// Keyboard, mouse and OpenGL-version queries, as the engine asks them.

#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"

#include <gtest/gtest.h>

namespace orvane {
namespace test {
namespace {

using sdk::integration::MouseEventInterface;
using sdk::integration::services::ManagerMiscServiceAbstract;

class ManagerMiscServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        FakeManagerMiscService::forgetRegistration();
        service.makeCurrent();
    }

    FakeManagerMiscService service;
};

TEST_F(ManagerMiscServiceTest, KeyStateSplitsTheModifierBitsAndSkipsNullFlags)
{
    service.modifiers = 1 | 4; // Shift and Alt
    Boolean_t shift = 7, alt = 7, control = 7;
    sim::requestKeyState(&shift, &alt, &control);
    EXPECT_EQ(std::vector<int>({shift, alt, control}), std::vector<int>({1, 1, 0}));

    service.modifiers = 2 | 8; // Control and a bit nobody reads
    shift = alt = control = 7;
    sim::requestKeyState(nullptr, &alt, &control);
    sim::requestKeyState(&shift, nullptr, nullptr);
    EXPECT_EQ(std::vector<int>({shift, alt, control}), std::vector<int>({0, 0, 1}));
}

TEST_F(ManagerMiscServiceTest, MouseButtonStateAsksOnlyButtonsOneToThree)
{
    service.pressedButtons = {MouseEventInterface::MouseButton_2};
    EXPECT_FALSE(sim::requestMouseButtonState(1));
    EXPECT_TRUE(sim::requestMouseButtonState(2));
    sim::requestMouseButtonState(3);
    sim::requestMouseButtonState(4);
    sim::requestMouseButtonState(0);

    const std::vector<MouseEventInterface::MouseButton_e> asked = {
        MouseEventInterface::MouseButton_1, MouseEventInterface::MouseButton_2, MouseEventInterface::MouseButton_3,
        MouseEventInterface::MouseButton_Invalid, MouseEventInterface::MouseButton_Invalid};
    EXPECT_EQ(service.buttonQueries, asked);
}

TEST_F(ManagerMiscServiceTest, OpenGLVersionIsAnEngineTextTheEngineReleases)
{
    service.openGLVersion = "4.1 Core";
    bool wasNull = true;
    EXPECT_EQ(sim::requestOpenGLVersionString(&wasNull), "4.1 Core");
    EXPECT_FALSE(wasNull);
    EXPECT_EQ(sim::callTexts("OrvUtilStringAlloc"),
              std::vector<std::string>{"OrvUtilStringAlloc(9, OpengGL Version String)"});

    sim::setStringAllocFails(true);
    sim::requestOpenGLVersionString(&wasNull);
    EXPECT_TRUE(wasNull);
    EXPECT_EQ(sim::outstandingTexts(), 0u);
    EXPECT_TRUE(sim::misuses().empty());
}

TEST_F(ManagerMiscServiceTest, WithoutACurrentObjectTheEnginesValuesStand)
{
    {
        FakeManagerMiscService other;
        other.makeCurrent();
        EXPECT_EQ(ManagerMiscServiceAbstract::getCurrentInstance(), &other);
    }
    ASSERT_EQ(ManagerMiscServiceAbstract::getCurrentInstance(), nullptr);

    double dotPitchX = -1, dotPitchY = -1;
    int width = -1, height = -1;
    Boolean_t shift = 7, alt = 7, control = 7;
    sim::requestDotPitch(&dotPitchX, &dotPitchY);
    sim::requestScreenSize(&width, &height);
    sim::requestKeyState(&shift, &alt, &control);
    bool wasNull = false;
    sim::requestOpenGLVersionString(&wasNull);

    EXPECT_EQ(std::vector<double>({dotPitchX, dotPitchY}), std::vector<double>({-1, -1}));
    EXPECT_EQ(std::vector<int>({width, height, shift, alt, control}), std::vector<int>({-1, -1, 7, 7, 7}));
    EXPECT_TRUE(wasNull);
    EXPECT_EQ(service.modifierQueries, 0);
}

} // namespace
} // namespace test
} // namespace orvane
