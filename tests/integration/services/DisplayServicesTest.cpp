// Cursor shapes, status and progress, running coordinates and region
// selection: what the engine shows or asks through the host's windows.

#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace orvane {
namespace test {
namespace {

class DisplayServicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        RecordingCursorShapeService::forgetRegistration();
        RecordingCursorShapeService::forgetLastStyle();
        RecordingProgressStatusService::forgetRegistration();
        RecordingRunningCoordsService::forgetRegistration();
        RecordingSelectRegionService::forgetRegistration();
    }

    // Engine booleans other than 0 and 1 come only through the callbacks.
    static void waitCursor(Boolean_t activate)
    {
        const auto& registration = sim::callbacks().waitCursorState;
        registration.callback(activate, registration.clientData);
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
    EXPECT_EQ(first.log, (std::vector<std::string>{"style(7, 2)", "style(8, 2)", "style(8, 4)"}));

    // The last pair is remembered for the class, not the object.
    RecordingCursorShapeService second;
    second.makeCurrent();
    sim::requestBaseCursorStyle(CursorStyle_Move, 8);
    EXPECT_EQ(second.calls, 0);
    sim::requestBaseCursorStyle(CursorStyle_Default, 8);
    EXPECT_EQ(second.log, std::vector<std::string>{"style(8, 1)"});
}

TEST_F(DisplayServicesTest, BaseCursorStyleWithoutCurrentObjectIsNotRemembered)
{
    {
        RecordingCursorShapeService gone;
        gone.makeCurrent();
    }
    sim::requestBaseCursorStyle(CursorStyle_Zoom, 5);

    RecordingCursorShapeService service;
    service.makeCurrent();
    sim::requestBaseCursorStyle(CursorStyle_Zoom, 5);
    EXPECT_EQ(service.log, std::vector<std::string>{"style(5, 7)"});
}

TEST_F(DisplayServicesTest, WaitCursorIsShownOnlyForAnEngineOne)
{
    RecordingCursorShapeService service;
    service.makeCurrent();

    sim::requestWaitCursor(true);
    sim::requestWaitCursor(false);
    waitCursor(2);
    EXPECT_EQ(service.log, (std::vector<std::string>{"wait(1)", "wait(0)", "wait(0)"}));
}

TEST_F(DisplayServicesTest, ProgressAndStatusPassThroughInOrder)
{
    RecordingProgressStatusService service;
    service.makeCurrent();

    sim::startProgress(true, false);
    sim::reportProgress(40);
    sim::reportStatusLine("Loading data");
    sim::reportStatusLine(nullptr);
    sim::finishProgress();
    const auto& start = sim::callbacks().progressStart;
    start.callback(2, 1, start.clientData);

    EXPECT_EQ(service.log, (std::vector<std::string>{"start(1, 0)", "update(40)", "status(Loading data)",
                                                     "status((null))", "finish()", "start(0, 1)"}));
}

TEST_F(DisplayServicesTest, RunningCoordinatesAndSelectionPassThrough)
{
    RecordingRunningCoordsService coords;
    coords.makeCurrent();
    RecordingSelectRegionService selection;
    selection.makeCurrent();

    sim::reportRunningCoordinates("X: 1.5", nullptr);
    sim::requestSelectRegion(1.5, 2, -3, 4.25, true);
    const auto& select = sim::callbacks().selectRegion;
    select.callback(0, 0, 1, 1, 2, select.clientData);

    EXPECT_EQ(coords.log, std::vector<std::string>{"coords(X: 1.5, (null))"});
    EXPECT_EQ(selection.log, (std::vector<std::string>{"select(1.5, 2, -3, 4.25, 1)", "select(0, 0, 1, 1, 0)"}));
}

} // namespace
} // namespace test
} // namespace orvane
