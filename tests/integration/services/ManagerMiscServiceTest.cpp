// Screen, keyboard, mouse and OpenGL-version queries, as the engine asks them.

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

TEST_F(ManagerMiscServiceTest, AnswersScreenQueriesFromTheHost)
{
    double dotPitchX = 0, dotPitchY = 0;
    int width = 0, height = 0;
    sim::requestDotPitch(&dotPitchX, &dotPitchY);
    sim::requestScreenSize(&width, &height);

    EXPECT_EQ(dotPitchX, service.dotPitchX);
    EXPECT_EQ(dotPitchY, service.dotPitchY);
    EXPECT_EQ(width, service.screenWidth);
    EXPECT_EQ(height, service.screenHeight);
}

TEST_F(ManagerMiscServiceTest, KeyStateSplitsTheModifierBitsAndSkipsNullFlags)
{
    service.modifiers = 1 | 4; // Shift and Alt
    Boolean_t shift = 7, alt = 7, control = 7;
    sim::requestKeyState(&shift, &alt, &control);
    EXPECT_EQ(shift, 1);
    EXPECT_EQ(alt, 1);
    EXPECT_EQ(control, 0);

    service.modifiers = 2 | 8; // Control and a bit nobody reads
    shift = alt = control = 7;
    sim::requestKeyState(nullptr, &alt, &control);
    EXPECT_EQ(alt, 0);
    EXPECT_EQ(control, 1);
    sim::requestKeyState(&shift, nullptr, nullptr);
    EXPECT_EQ(shift, 0);
    EXPECT_EQ(service.modifierQueries, 3);
}

TEST_F(ManagerMiscServiceTest, MouseButtonStateAsksOnlyButtonsOneToThree)
{
    service.pressedButtons = {MouseEventInterface::MouseButton_2, MouseEventInterface::MouseButton_Invalid};

    EXPECT_FALSE(sim::requestMouseButtonState(1));
    EXPECT_TRUE(sim::requestMouseButtonState(2));
    EXPECT_FALSE(sim::requestMouseButtonState(3));
    EXPECT_TRUE(sim::requestMouseButtonState(4));
    EXPECT_TRUE(sim::requestMouseButtonState(0));
    EXPECT_TRUE(sim::requestMouseButtonState(-1));

    const std::vector<MouseEventInterface::MouseButton_e> asked = {
        MouseEventInterface::MouseButton_1,       MouseEventInterface::MouseButton_2,
        MouseEventInterface::MouseButton_3,       MouseEventInterface::MouseButton_Invalid,
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
    EXPECT_EQ(sim::outstandingTexts(), 0u);

    service.openGLVersion.clear();
    EXPECT_EQ(sim::requestOpenGLVersionString(&wasNull), "");
    EXPECT_FALSE(wasNull);

    sim::setStringAllocFails(true);
    sim::requestOpenGLVersionString(&wasNull);
    EXPECT_TRUE(wasNull);
    EXPECT_TRUE(sim::misuses().empty());
}

TEST_F(ManagerMiscServiceTest, WithoutACurrentObjectTheEnginesValuesStand)
{
    EXPECT_EQ(ManagerMiscServiceAbstract::getCurrentInstance(), &service);
    {
        FakeManagerMiscService other;
        other.makeCurrent();
        EXPECT_EQ(ManagerMiscServiceAbstract::getCurrentInstance(), &other);
    }
    ASSERT_EQ(ManagerMiscServiceAbstract::getCurrentInstance(), nullptr);

    double dotPitchX = -1, dotPitchY = -1;
    int width = -1, height = -1;
    Boolean_t shift = 7, alt = 7, control = 7;
    bool wasNull = false;
    sim::requestDotPitch(&dotPitchX, &dotPitchY);
    sim::requestScreenSize(&width, &height);
    sim::requestKeyState(&shift, &alt, &control);

    EXPECT_EQ(dotPitchX, -1);
    EXPECT_EQ(height, -1);
    EXPECT_EQ(shift, 7);
    EXPECT_EQ(control, 7);
    EXPECT_FALSE(sim::requestMouseButtonState(1));
    sim::requestOpenGLVersionString(&wasNull);
    EXPECT_TRUE(wasNull);
    EXPECT_EQ(service.modifierQueries, 0);
    EXPECT_TRUE(service.buttonQueries.empty());
}

} // namespace
} // namespace test
} // namespace orvane
