// Cursor shapes, progress and region selection: what the engine shows
// through the host's windows.

#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace orvane {
namespace test {
namespace {

typedef std::vector<std::string> Texts;

class DisplayServicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        RecordingCursorShapeService::forgetRegistration();
        RecordingCursorShapeService::forgetLastStyle();
        RecordingProgressStatusService::forgetRegistration();
        RecordingSelectRegionService::forgetRegistration();
    }
};

TEST_F(DisplayServicesTest, BaseCursorStyleReachesTheHostOnlyWhenItChanges)
{
    RecordingCursorShapeService first;
    first.makeCurrent();
    sim::requestBaseCursorStyle(CursorStyle_Crosshair, 7);
    sim::requestBaseCursorStyle(CursorStyle_Crosshair, 7);
    sim::requestBaseCursorStyle(CursorStyle_Move, 0); // no destination
    sim::requestBaseCursorStyle(CursorStyle_Crosshair, 8);
    sim::requestBaseCursorStyle(CursorStyle_Move, 8);
    EXPECT_EQ(first.log, (Texts{"style(7, 2)", "style(8, 2)", "style(8, 4)"}));

    // The last pair is remembered for the class, not the object.
    RecordingCursorShapeService second;
    second.makeCurrent();
    sim::requestBaseCursorStyle(CursorStyle_Move, 8);
    sim::requestBaseCursorStyle(CursorStyle_Default, 8);
    EXPECT_EQ(second.log, Texts{"style(8, 1)"});
}

TEST_F(DisplayServicesTest, EngineBooleansAreTrueOnlyForOne)
{
    RecordingCursorShapeService cursor;
    cursor.makeCurrent();
    RecordingProgressStatusService progress;
    progress.makeCurrent();
    RecordingSelectRegionService selection;
    selection.makeCurrent();
    const sim::Callbacks& engine = sim::callbacks();

    engine.waitCursorState.callback(1, 0);
    engine.waitCursorState.callback(2, 0);
    engine.progressStart.callback(1, 2, 0);
    engine.progressStart.callback(0, 1, 0);
    engine.selectRegion.callback(1.5, 2, -3, 4.25, 1, 0);
    engine.selectRegion.callback(0, 0, 1, 1, 255, 0);

    EXPECT_EQ(cursor.log, (Texts{"wait(1)", "wait(0)"}));
    EXPECT_EQ(progress.log, (Texts{"start(1, 0)", "start(0, 1)"}));
    EXPECT_EQ(selection.log, (Texts{"select(1.5, 2, -3, 4.25, 1)", "select(0, 0, 1, 1, 0)"}));
}

} // namespace
} // namespace test
} // namespace orvane
