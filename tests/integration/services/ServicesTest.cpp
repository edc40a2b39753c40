// The host services and dialogs as the engine uses them: what every service class
// shares (its engine callbacks registered once, with client value 0, when its
// first object becomes current; the latest current object serves; destroying
// any object of the class leaves it without one, and the engine then gets the
// class's fallback), and how each service converts the engine's arguments
// and answers.

#include "integration/intern/DialogManager.h"
#include "integration/services/intern/ServiceRepository.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
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

// One object of each service class, handed to a repository in the order
// of the engine's registrations.
struct HostServices
{
    RecordingCursorShapeService cursor;
    RecordingSimpleTextService simpleText;
    RecordingMRULayoutService layout;
    FakeManagerMiscService misc;
    RecordingMessageBoxService messageBox;
    RecordingOffscreenImageService image;
    RecordingProgressStatusService progress;
    RecordingRunningCoordsService coords;
    RecordingSelectRegionService selection;

    void setIn(services::intern::ServiceRepository& repository)
    {
        for (services::ServiceInterface* service : std::initializer_list<services::ServiceInterface*>{
                 &cursor, &simpleText, &layout, &misc, &messageBox, &image, &progress, &coords, &selection})
            repository.setService(service);
    }
    // What the recording services heard, service by service.
    Texts log() const
    {
        Texts all;
        for (const CallRecorder* recorder : std::initializer_list<const CallRecorder*>{
                 &cursor, &simpleText, &layout, &messageBox, &image, &progress, &coords, &selection})
            all.insert(all.end(), recorder->log.begin(), recorder->log.end());
        return all;
    }
};

TEST_F(ServicesTest, RegistersOnceInOrderAndFallsBackWhenObjectsAreGone)
{
    {
        HostServices hosts[2];
        services::intern::ServiceRepository repository;
        for (HostServices& host : hosts)
            host.setIn(repository);

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
    EXPECT_TRUE(first.log.empty());

    {
        RecordingMessageBoxService neverCurrent;
    }
    EXPECT_EQ(sim::requestMessageBox("Anyone?", MessageBoxType_Question), MessageBoxReply_Invalid);
    EXPECT_EQ(second.log.size(), 1u);

    // The callback stayed registered: becoming current again is enough.
    first.makeCurrent();
    EXPECT_EQ(sim::requestMessageBox("Anyone?", MessageBoxType_Question), MessageBoxReply_Ok);
    EXPECT_EQ(sim::countCalls("OrvEngDialogMessageBoxRegisterCallback"), 1u);

    // The repository ignores a null service.
    services::intern::ServiceRepository().setService(nullptr);
    sim::requestMessageBox("Still there?", MessageBoxType_YesNo);
    EXPECT_EQ(first.log.size(), 2u);
}

// Each callback converts the engine's arguments for the host and the host's
// answers for the engine.
TEST_F(ServicesTest, CallbacksConvertArgumentsAndAnswers)
{
    HostServices host;
    services::intern::ServiceRepository repository;
    host.setIn(repository);
    const sim::Callbacks& engine = sim::callbacks();

    // The base cursor reaches the host only when it changes, never for no
    // destination; the last pair is remembered for the class, not the object.
    for (const auto& [style, destination] : std::initializer_list<std::pair<CursorStyle_e, int>>{
             {CursorStyle_Crosshair, 7}, {CursorStyle_Crosshair, 7}, {CursorStyle_Move, 0}, {CursorStyle_Crosshair, 8},
             {CursorStyle_Move, 8}})
        sim::requestBaseCursorStyle(style, destination);
    RecordingCursorShapeService second;
    second.makeCurrent();
    sim::requestBaseCursorStyle(CursorStyle_Move, 8);
    sim::requestBaseCursorStyle(CursorStyle_Default, 8);
    EXPECT_EQ(second.log, Texts{"style(8, 1)"});
    host.cursor.makeCurrent();

    // Engine booleans are true only for 1; texts pass as the engine gave
    // them, except a null layout name, which is dropped.
    engine.waitCursorState.callback(1, 0);
    engine.waitCursorState.callback(2, 0);
    engine.progressStart.callback(1, 2, 0);
    engine.progressStart.callback(0, 1, 0);
    engine.selectRegion.callback(1.5, 2, -3, 4.25, 1, 0);
    engine.selectRegion.callback(0, 0, 1, 1, 255, 0);
    host.messageBox.reply = MessageBoxReply_No;
    EXPECT_EQ(sim::requestMessageBox("Overwrite?", MessageBoxType_YesNo), MessageBoxReply_No);
    sim::requestMessageBox(nullptr, MessageBoxType_Error);
    sim::reportMRULayout("/plots/pressure.lay");
    sim::reportMRULayout(nullptr);
    sim::reportStatusLine("Loading");
    sim::reportProgress(40);
    sim::finishProgress();
    sim::reportRunningCoordinates("X: 1", nullptr);
    EXPECT_EQ(host.log(), (Texts{"style(7, 2)", "style(8, 2)", "style(8, 4)", "wait(1)", "wait(0)",
                                 "layout(/plots/pressure.lay)", "message(Overwrite?, 4)", "message((null), 0)",
                                 "start(1, 0)", "start(0, 1)", "status(Loading)", "update(40)", "finish()",
                                 "coords(X: 1, (null))", "select(1.5, 2, -3, 4.25, 1)", "select(0, 0, 1, 1, 0)"}));

    // The modifier bits split into flags, null flags skipped; the unknown bit
    // is not read.
    Boolean_t shift = 7, alt = 7, control = 7;
    host.misc.modifiers = 1 | 4; // Shift and Alt
    sim::requestKeyState(&shift, &alt, &control);
    EXPECT_EQ(std::vector<int>({shift, alt, control}), std::vector<int>({1, 1, 0}));
    host.misc.modifiers = 2 | 8; // Control and a bit nobody reads
    shift = alt = control = 7;
    sim::requestKeyState(nullptr, &alt, &control);
    sim::requestKeyState(&shift, nullptr, nullptr);
    EXPECT_EQ(std::vector<int>({shift, alt, control}), std::vector<int>({0, 0, 1}));

    // Only buttons 1 to 3 are asked as themselves.
    host.misc.pressedButtons = {MouseEventInterface::MouseButton_2};
    std::vector<bool> pressed;
    for (int button : {1, 2, 3, 4, 0})
        pressed.push_back(sim::requestMouseButtonState(button));
    EXPECT_EQ(pressed, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(host.misc.buttonQueries,
              (std::vector<MouseEventInterface::MouseButton_e>{
                  MouseEventInterface::MouseButton_1, MouseEventInterface::MouseButton_2,
                  MouseEventInterface::MouseButton_3, MouseEventInterface::MouseButton_Invalid,
                  MouseEventInterface::MouseButton_Invalid}));

    // Screen facts through the engine's pointers; the OpenGL version is an
    // engine text the engine releases, null when it cannot be made.
    double dotPitchX = 0, dotPitchY = 0;
    int width = 0, height = 0;
    sim::requestDotPitch(&dotPitchX, &dotPitchY);
    sim::requestScreenSize(&width, &height);
    EXPECT_EQ(std::vector<double>({dotPitchX, dotPitchY, double(width), double(height)}),
              std::vector<double>({0.25, 0.3, 1920, 1080}));
    host.misc.openGLVersion = "4.1 Core";
    bool wasNull = true;
    EXPECT_EQ(sim::requestOpenGLVersionString(&wasNull), "4.1 Core");
    EXPECT_FALSE(wasNull);
    EXPECT_EQ(sim::callTexts("OrvUtilStringAlloc"), Texts{"OrvUtilStringAlloc(9, OpengGL Version String)"});
    sim::setStringAllocFails(true);
    sim::requestOpenGLVersionString(&wasNull);
    EXPECT_TRUE(wasNull);
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

// Host-provided engine dialogs: the launcher registered for the dialog opens
// it; registrations outlive the manager; a null launcher is a no-op that
// succeeds.
TEST_F(ServicesTest, EngineLaunchOpensTheRegisteredLauncher)
{
    struct CountingLauncher : sdk::integration::DialogLauncherInterface
    {
        int launches = 0;
        void launch() override { ++launches; }
    } pageSetup, exportDialog;
    auto manager = std::make_unique<sdk::integration::intern::DialogManager>();
    manager->registerDialogLauncher(&pageSetup, 3);
    manager->registerDialogLauncher(&exportDialog, 9);
    manager->registerDialogLauncher(nullptr, 4);
    EXPECT_TRUE(sim::launchDialog(9));
    manager.reset();
    EXPECT_TRUE(sim::launchDialog(3));
    EXPECT_TRUE(sim::launchDialog(4));
    EXPECT_EQ(std::vector<int>({pageSetup.launches, exportDialog.launches}), std::vector<int>({1, 1}));
}

} // namespace
} // namespace test
} // namespace orvane
