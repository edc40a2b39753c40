// Message boxes, text entry and recently used layouts: the host's dialogs
// that the engine asks for.

#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvane {
namespace test {
namespace {

class DialogServicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        RecordingMessageBoxService::forgetRegistration();
        RecordingSimpleTextService::forgetRegistration();
        RecordingMRULayoutService::forgetRegistration();
    }

    void TearDown() override
    {
        EXPECT_EQ(sim::outstandingTexts(), 0u);
        EXPECT_TRUE(sim::misuses().empty());
    }

    // The engine's text-entry callback called directly, for arguments the
    // simulated engine's request does not produce.
    static Boolean_t simpleTextCallback(const char* instructions, char** text, Boolean_t useText)
    {
        const auto& registration = sim::callbacks().dialogGetSimpleText;
        return registration.callback(instructions, text, useText, registration.clientData);
    }
};

TEST_F(DialogServicesTest, MessageBoxPassesTextTypeAndReplyThrough)
{
    EXPECT_EQ(sim::requestMessageBox("Nobody listens", MessageBoxType_Error), MessageBoxReply_Invalid);

    RecordingMessageBoxService service;
    service.makeCurrent();
    service.reply = MessageBoxReply_No;
    EXPECT_EQ(sim::requestMessageBox("Overwrite?", MessageBoxType_YesNoCancel), MessageBoxReply_No);
    EXPECT_EQ(service.message, std::optional<std::string>("Overwrite?"));
    EXPECT_EQ(service.type, MessageBoxType_YesNoCancel);

    sim::requestMessageBox(nullptr, MessageBoxType_Warning);
    EXPECT_EQ(service.message, std::nullopt);
}

TEST_F(DialogServicesTest, MessageBoxWithoutCurrentObjectRepliesInvalid)
{
    {
        RecordingMessageBoxService gone;
        gone.makeCurrent();
    }
    EXPECT_EQ(sim::requestMessageBox("Anyone?", MessageBoxType_Question), MessageBoxReply_Invalid);
}

TEST_F(DialogServicesTest, AcceptedTextReplacesTheEnginesText)
{
    RecordingSimpleTextService service;
    service.makeCurrent();
    service.answer = "Pressure";

    std::string text = "Default";
    EXPECT_TRUE(sim::requestSimpleText("Axis title:", text, true));
    EXPECT_EQ(text, "Pressure");
    EXPECT_EQ(service.instructions, "Axis title:");
    EXPECT_EQ(service.offered, "Default");
    EXPECT_EQ(sim::callTexts("OrvUtilStringAlloc"),
              std::vector<std::string>{"OrvUtilStringAlloc(9, Result of EnterTextStringDialog)"});
}

TEST_F(DialogServicesTest, EnginesDefaultIsOfferedOnlyWhenItAsksToUseIt)
{
    RecordingSimpleTextService service;
    service.makeCurrent();
    const auto withDefault = [](Boolean_t useText) {
        char* engineText = OrvUtilStringAlloc(8, "default");
        std::strcpy(engineText, "Default");
        simpleTextCallback("Axis title:", &engineText, useText);
        OrvUtilStringDealloc(&engineText);
    };

    withDefault(FALSE);
    EXPECT_EQ(service.offered, "");
    withDefault(2);
    EXPECT_EQ(service.offered, "Default");
}

TEST_F(DialogServicesTest, CancelledTextLeavesTheEnginesTextAlone)
{
    RecordingSimpleTextService service;
    service.makeCurrent();
    service.accept = false;

    std::string text = "Default";
    EXPECT_FALSE(sim::requestSimpleText("Axis title:", text, true));
    EXPECT_EQ(text, "Default");

    char engineDefault[] = "kept";
    char* engineText = engineDefault;
    EXPECT_EQ(simpleTextCallback("Axis title:", &engineText, TRUE), FALSE);
    EXPECT_EQ(engineText, engineDefault);
    EXPECT_EQ(sim::countCalls("OrvUtilStringDealloc"), 0u);
}

TEST_F(DialogServicesTest, TextEntryCopesWithMissingTextsAndMemory)
{
    RecordingSimpleTextService service;
    service.makeCurrent();

    // Null instructions are empty ones; a null default is no default.
    char* engineText = nullptr;
    EXPECT_EQ(simpleTextCallback(nullptr, &engineText, TRUE), TRUE);
    EXPECT_EQ(service.instructions, "");
    EXPECT_EQ(service.offered, "");
    ASSERT_NE(engineText, nullptr);
    EXPECT_STREQ(engineText, "typed");
    OrvUtilStringDealloc(&engineText);

    // Without a place for the result the host is not asked.
    EXPECT_EQ(simpleTextCallback("Name:", nullptr, FALSE), FALSE);
    EXPECT_EQ(service.calls, 1);

    // A result the engine cannot allocate reaches it as null, still accepted.
    sim::setStringAllocFails(true);
    EXPECT_EQ(simpleTextCallback("Name:", &engineText, FALSE), TRUE);
    EXPECT_EQ(engineText, nullptr);
}

TEST_F(DialogServicesTest, TextEntryWithoutCurrentObjectIsCancelled)
{
    {
        RecordingSimpleTextService gone;
        gone.makeCurrent();
    }
    std::string text = "Default";
    EXPECT_FALSE(sim::requestSimpleText("Name:", text, true));
    EXPECT_EQ(text, "Default");
}

TEST_F(DialogServicesTest, LayoutNamesReachTheHostUnlessNull)
{
    RecordingMRULayoutService service;
    service.makeCurrent();

    sim::reportMRULayout("/plots/pressure.lay");
    sim::reportMRULayout(nullptr);
    sim::reportMRULayout("");

    EXPECT_EQ(service.log, (std::vector<std::string>{"/plots/pressure.lay", ""}));
}

} // namespace
} // namespace test
} // namespace orvane
