// What every service class shares: its engine callbacks are registered once,
// with client value 0, when its first object becomes current; the latest
// current object serves; destroying any object of the class leaves it without
// one, and the engine then gets the class's fallback.

#include "integration/services/intern/ServiceRepository.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace orvane {
namespace test {
namespace {

typedef std::vector<std::string> Texts;

class ServiceClassTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        RecordingCursorShapeService::forgetRegistration();
        RecordingSimpleTextService::forgetRegistration();
        RecordingMRULayoutService::forgetRegistration();
        FakeManagerMiscService::forgetRegistration();
        RecordingMessageBoxService::forgetRegistration();
        RecordingOffscreenImageService::forgetRegistration();
        RecordingProgressStatusService::forgetRegistration();
        RecordingRunningCoordsService::forgetRegistration();
        RecordingSelectRegionService::forgetRegistration();
    }

    static Texts registrations()
    {
        Texts texts;
        for (const std::string& text : sim::callTexts("OrvEng"))
            if (text.find("Register") != std::string::npos)
                texts.push_back(text);
        return texts;
    }
};

TEST_F(ServiceClassTest, RegistersOnceInOrderAndFallsBackWhenObjectsAreGone)
{
    {
        RecordingCursorShapeService cursor[2];
        RecordingSimpleTextService simpleText[2];
        RecordingMRULayoutService layout[2];
        FakeManagerMiscService misc[2];
        RecordingMessageBoxService messageBox[2];
        RecordingOffscreenImageService image[2];
        RecordingProgressStatusService progress[2];
        RecordingRunningCoordsService coords[2];
        RecordingSelectRegionService selection[2];
        services::intern::ServiceRepository repository;
        for (int i : {0, 1})
            for (services::ServiceInterface* service : std::initializer_list<services::ServiceInterface*>{
                     &cursor[i], &simpleText[i], &layout[i], &misc[i], &messageBox[i], &image[i], &progress[i],
                     &coords[i], &selection[i]})
                repository.setService(service);

        EXPECT_EQ(registrations(),
                  (Texts{"OrvEngBaseCursorStyleRegisterCallback(0)", "OrvEngWaitCursorStateRegisterCallback(0)",
                         "OrvEngDialogGetSimpleTextRegisterCallback(0)", "OrvEngMRULayoutFilenameRegisterCallback(0)",
                         "OrvEngDotPitchRegisterCallback(0)", "OrvEngScreenSizeRegisterCallback(0)",
                         "OrvEngKeyStateRegisterCallback(0)", "OrvEngMouseButtonStateRegisterCallback(0)",
                         "OrvEngOpenGLVersionStringRegisterCallback(0)", "OrvEngDialogMessageBoxRegisterCallback(0)",
                         "OrvEngOffscreenImageCreateRegisterCallback(0)",
                         "OrvEngOffscreenImageDestroyRegisterCallback(0)",
                         "OrvEngOffscreenImageGetRGBRowRegisterCallback(0)", "OrvEngStatusLineRegisterCallback(0)",
                         "OrvEngProgressMonitorRegisterCallback(0)",
                         "OrvEngShowRunningCoordinatesRegisterCallback(0)",
                         "OrvEngSelectRegionRegisterCallback(0)"}));
    }

    // No request may reach a destroyed object (a pure virtual call or the
    // sanitizers would tell); each gets its class's fallback.
    std::string text = "Default";
    EXPECT_FALSE(sim::requestSimpleText("Name:", text, true));
    EXPECT_EQ(text, "Default");
    EXPECT_EQ(sim::requestMessageBox("Save?", MessageBoxType_Question), MessageBoxReply_Invalid);
    EXPECT_FALSE(sim::requestMouseButtonState(1));
    sim::requestWaitCursor(true);
    sim::requestBaseCursorStyle(CursorStyle_Zoom, 5);
    sim::reportMRULayout("plot.lay");
    sim::reportStatusLine("Loading");
    sim::reportRunningCoordinates("X: 1", "Y: 2");
    sim::requestSelectRegion(0, 0, 1, 1, true);
    long long handle = -1;
    const auto& create = sim::callbacks().offscreenImageCreate;
    EXPECT_EQ(create.callback(64, 48, ExportRegion_CurrentFrame, create.clientData, &handle), FALSE);
    EXPECT_EQ(handle, -1);
}

TEST_F(ServiceClassTest, LatestCurrentObjectServesUntilAnyObjectIsDestroyed)
{
    RecordingMessageBoxService first, second;
    first.makeCurrent();
    second.makeCurrent();
    second.reply = MessageBoxReply_No;

    EXPECT_EQ(sim::requestMessageBox("Overwrite?", MessageBoxType_YesNo), MessageBoxReply_No);
    sim::requestMessageBox(nullptr, MessageBoxType_Error); // the engine's text, as given
    EXPECT_TRUE(first.log.empty());
    EXPECT_EQ(second.log, (Texts{"message(Overwrite?, 4)", "message((null), 0)"}));

    {
        RecordingMessageBoxService neverCurrent;
    }
    EXPECT_EQ(sim::requestMessageBox("Anyone?", MessageBoxType_Question), MessageBoxReply_Invalid);
    EXPECT_EQ(second.log.size(), 2u);

    // The callback stayed registered: becoming current again is enough.
    first.makeCurrent();
    EXPECT_EQ(sim::requestMessageBox("Anyone?", MessageBoxType_Question), MessageBoxReply_Ok);
    EXPECT_EQ(sim::countCalls("OrvEngDialogMessageBoxRegisterCallback"), 1u);
}

TEST_F(ServiceClassTest, RepositoryIgnoresANullService)
{
    RecordingMessageBoxService service;
    services::intern::ServiceRepository repository;
    repository.setService(&service);

    repository.setService(nullptr);

    sim::requestMessageBox("Still there?", MessageBoxType_YesNo);
    EXPECT_EQ(service.log.size(), 1u);
}

} // namespace
} // namespace test
} // namespace orvane
