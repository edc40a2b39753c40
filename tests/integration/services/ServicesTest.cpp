// The host services as the engine uses them: what every service class
// shares (its engine callbacks registered once, with client value 0, when its
// first object becomes current; the latest current object serves; destroying
// any object of the class leaves it without one, and the engine then gets the
// class's fallback), and how each service converts the engine's arguments
// and answers.

#include "integration/services/intern/ServiceRepository.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace orvane {
namespace test {
namespace {

using sdk::integration::MouseEventInterface;
typedef std::vector<std::string> Texts;

// Every test starts as a fresh process: no service class has registered its
// callbacks, and the engine has no texts outstanding or misuses at the end.
class ServicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        RecordingCursorShapeService::forgetRegistration();
        RecordingCursorShapeService::forgetLastStyle();
        RecordingSimpleTextService::forgetRegistration();
        RecordingMRULayoutService::forgetRegistration();
        FakeManagerMiscService::forgetRegistration();
        RecordingMessageBoxService::forgetRegistration();
        RecordingOffscreenImageService::forgetRegistration();
        RecordingProgressStatusService::forgetRegistration();
        RecordingRunningCoordsService::forgetRegistration();
        RecordingSelectRegionService::forgetRegistration();
    }

    void TearDown() override
    {
        EXPECT_EQ(sim::outstandingTexts(), 0u);
        EXPECT_TRUE(sim::misuses().empty());
    }

    static Texts registrations()
    {
        Texts texts;
        for (const std::string& text : sim::callTexts("OrvEng"))
            if (text.find("Register") != std::string::npos)
                texts.push_back(text);
        return texts;
    }

    // The engine's text-entry callback with arguments the simulated engine's
    // own request does not produce.
    static Boolean_t askText(const char* instructions, char** text, Boolean_t useText)
    {
        const auto& registration = sim::callbacks().dialogGetSimpleText;
        return registration.callback(instructions, text, useText, registration.clientData);
    }

    // An engine-owned default text, as the engine hands it over.
    static char* engineDefault()
    {
        char* text = OrvUtilStringAlloc(8, "default");
        std::strcpy(text, "Default");
        return text;
    }

    // The engine's offscreen image creation; `handle` keeps its value unless
    // written.
    Boolean_t createImage(ExportRegion_e region = ExportRegion_AllFrames)
    {
        handle = -1;
        const auto& registration = sim::callbacks().offscreenImageCreate;
        return registration.callback(64, 48, region, registration.clientData, &handle);
    }

    static void initEngine(std::vector<std::string> arguments)
    {
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(&argument[0]);
        ASSERT_EQ(OrvEngInit(static_cast<int>(argv.size()), argv.data(), StateModernizationLevel_Legacy), 0);
    }

    long long handle = -1;
};

// --- What every service class shares ----------------------------------------

TEST_F(ServicesTest, RegistersOnceInOrderAndFallsBackWhenObjectsAreGone)
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
    ASSERT_EQ(services::ManagerMiscServiceAbstract::getCurrentInstance(), nullptr);

    // No request may reach a destroyed object (a pure virtual call or the
    // sanitizers would tell); each gets its class's fallback, and the
    // engine's own values stand.
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
    EXPECT_EQ(createImage(ExportRegion_CurrentFrame), FALSE);
    EXPECT_EQ(handle, -1);

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
}

TEST_F(ServicesTest, LatestCurrentObjectServesUntilAnyObjectIsDestroyed)
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

    // The repository ignores a null service.
    services::intern::ServiceRepository repository;
    repository.setService(nullptr);
    sim::requestMessageBox("Still there?", MessageBoxType_YesNo);
    EXPECT_EQ(first.log.size(), 2u);
}

// --- Display: cursor, progress, region selection ----------------------------

TEST_F(ServicesTest, BaseCursorStyleReachesTheHostOnlyWhenItChanges)
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

TEST_F(ServicesTest, EngineBooleansAreTrueOnlyForOne)
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

// --- Text entry and recently used layouts -----------------------------------

TEST_F(ServicesTest, TextEntryOffersTheDefaultOnlyWhenAskedAndCopesWithMissingTextsAndMemory)
{
    RecordingSimpleTextService textService;
    textService.makeCurrent();
    textService.answer = "Pressure";
    std::string accepted = "Default";
    EXPECT_TRUE(sim::requestSimpleText("Axis title:", accepted, true));
    EXPECT_EQ(accepted, "Pressure"); // the accepted text replaces the engine's
    EXPECT_EQ(sim::callTexts("OrvUtilStringAlloc"),
              Texts{"OrvUtilStringAlloc(9, Result of EnterTextStringDialog)"});

    textService.answer = "typed";
    for (Boolean_t useText : {Boolean_t(FALSE), Boolean_t(2)})
    {
        char* text = engineDefault();
        askText("Title:", &text, useText);
        OrvUtilStringDealloc(&text);
    }
    // Null instructions are empty ones; a null default is no default.
    char* text = nullptr;
    EXPECT_EQ(askText(nullptr, &text, TRUE), TRUE);
    EXPECT_STREQ(text, "typed");
    OrvUtilStringDealloc(&text);

    // Without a place for the result the host is not asked.
    EXPECT_EQ(askText("Name:", nullptr, FALSE), FALSE);
    EXPECT_EQ(textService.log, (Texts{"text(Axis title:, Default)", "text(Title:, )", "text(Title:, Default)",
                                      "text(, )"}));

    // A cancelled text leaves the engine's text alone.
    textService.accept = false;
    char* const original = engineDefault();
    text = original;
    EXPECT_EQ(askText("Title:", &text, TRUE), FALSE);
    EXPECT_EQ(text, original);
    EXPECT_STREQ(text, "Default");
    OrvUtilStringDealloc(&text);

    // A result the engine cannot allocate reaches it as null, still accepted.
    textService.accept = true;
    sim::setStringAllocFails(true);
    EXPECT_EQ(askText("Name:", &text, FALSE), TRUE);
    EXPECT_EQ(text, nullptr);
}

TEST_F(ServicesTest, LayoutNamesReachTheHostUnlessNull)
{
    RecordingMRULayoutService service;
    service.makeCurrent();

    sim::reportMRULayout("/plots/pressure.lay");
    sim::reportMRULayout(nullptr);

    EXPECT_EQ(service.log, Texts{"layout(/plots/pressure.lay)"});
}

// --- Keyboard, mouse and OpenGL-version queries -----------------------------

TEST_F(ServicesTest, KeyStateSplitsTheModifierBitsAndSkipsNullFlags)
{
    FakeManagerMiscService service;
    service.makeCurrent();
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

TEST_F(ServicesTest, MouseButtonStateAsksOnlyButtonsOneToThree)
{
    FakeManagerMiscService service;
    service.makeCurrent();
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

TEST_F(ServicesTest, OpenGLVersionIsAnEngineTextTheEngineReleases)
{
    FakeManagerMiscService service;
    service.makeCurrent();
    service.openGLVersion = "4.1 Core";
    bool wasNull = true;
    EXPECT_EQ(sim::requestOpenGLVersionString(&wasNull), "4.1 Core");
    EXPECT_FALSE(wasNull);
    EXPECT_EQ(sim::callTexts("OrvUtilStringAlloc"),
              std::vector<std::string>{"OrvUtilStringAlloc(9, OpengGL Version String)"});

    sim::setStringAllocFails(true);
    sim::requestOpenGLVersionString(&wasNull);
    EXPECT_TRUE(wasNull);
}

// --- Offscreen images ---------------------------------------------------------

TEST_F(ServicesTest, OffscreenImageIsNamedByItsImageInterfaceAndRendered)
{
    RecordingOffscreenImageService service;
    service.makeCurrent();
    service.imageTemplate.renderResult = false;
    EXPECT_EQ(createImage(), FALSE); // the render's answer
    ASSERT_EQ(service.images.size(), 1u);
    EXPECT_EQ(handle, service.images[0]->handle());
    EXPECT_EQ(service.images[0]->log, Texts{"render(1)"});

    const sim::Callbacks& engine = sim::callbacks();
    unsigned char red = 0, green = 0, blue = 0;
    EXPECT_EQ(engine.offscreenImageGetRGBRow.callback(handle, 5, 0, &red, &green, &blue), TRUE);
    engine.offscreenImageDestroy.callback(0, 0);
    engine.offscreenImageDestroy.callback(handle, 0);
    const std::string name = std::to_string(handle);
    EXPECT_EQ(service.log, (Texts{"create(64, 48)", "row(" + name + ", 5)", "destroy(" + name + ")"}));

    service.makesImages = false;
    EXPECT_EQ(createImage(), FALSE);
    EXPECT_EQ(handle, 0);
}

// Failures reach the engine's error messages with the result as it stood;
// in batch mode a failure without a message is explained. Other exceptions
// are reported too, and an image already made is released: the engine gets
// none.
TEST_F(ServicesTest, OffscreenFailuresAreReportedWithTheResultAsItStood)
{
    for (const bool batch : {false, true})
    {
        sim::reset();
        RecordingOffscreenImageService::forgetRegistration();
        RecordingOffscreenImageService service;
        service.makeCurrent();
        initEngine(batch ? Texts{"host", "-b", "-h", "/opt/engine"} : Texts{"host", "-h", "/opt/engine"});
        service.createThrows = "No pixel format";
        EXPECT_EQ(createImage(), FALSE);
        EXPECT_EQ(handle, -1);

        service.createThrows.reset();
        service.imageTemplate.renderThrows = "";
        EXPECT_EQ(createImage(), TRUE); // the image was made before rendering failed
        EXPECT_EQ(handle, service.images.back()->handle());

        const std::string explained = "Please confirm that your graphics drivers are up to date. "
                                      "Try exporting without the batch mode flag (-b).";
        EXPECT_EQ(sim::errorMessages(), (Texts{"No pixel format", batch ? explained : ""}));
    }

    struct Throwing : RecordingOffscreenImageService
    {
        bool createThrowsOther = true;
        services::OffscreenImageInterface* createImage(int width, int height) override
        {
            if (createThrowsOther)
                throw std::runtime_error("bad create");
            return RecordingOffscreenImageService::createImage(width, height);
        }
    } throwing;
    throwing.makeCurrent();
    throwing.imageTemplate.renderThrowsOther = true;
    const std::size_t reports = sim::errorMessages().size();
    EXPECT_EQ(createImage(), FALSE);
    EXPECT_EQ(handle, -1);
    throwing.createThrowsOther = false;
    EXPECT_EQ(createImage(), FALSE);
    EXPECT_EQ(handle, 0);
    EXPECT_EQ("destroy(" + std::to_string(throwing.images.back()->handle()) + ")", throwing.log.back());
    const std::vector<std::string>& messages = sim::errorMessages();
    EXPECT_EQ((Texts{"bad create", "bad render"}), Texts(messages.begin() + static_cast<long>(reports), messages.end()));
}

} // namespace
} // namespace test
} // namespace orvane
