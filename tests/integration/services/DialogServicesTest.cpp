// Text entry and recently used layouts, as the engine asks for them.

#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvane {
namespace test {
namespace {

typedef std::vector<std::string> Texts;

class DialogServicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        RecordingSimpleTextService::forgetRegistration();
        RecordingMRULayoutService::forgetRegistration();
        textService.makeCurrent();
    }

    void TearDown() override
    {
        EXPECT_EQ(sim::outstandingTexts(), 0u);
        EXPECT_TRUE(sim::misuses().empty());
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

    RecordingSimpleTextService textService;
};

TEST_F(DialogServicesTest, AcceptedTextReplacesTheEnginesText)
{
    textService.answer = "Pressure";
    std::string text = "Default";

    EXPECT_TRUE(sim::requestSimpleText("Axis title:", text, true));
    EXPECT_EQ(text, "Pressure");
    EXPECT_EQ(textService.log, Texts{"text(Axis title:, Default)"});
    EXPECT_EQ(sim::callTexts("OrvUtilStringAlloc"),
              Texts{"OrvUtilStringAlloc(9, Result of EnterTextStringDialog)"});
}

TEST_F(DialogServicesTest, EnginesDefaultIsOfferedOnlyWhenItAsksToUseIt)
{
    for (Boolean_t useText : {Boolean_t(FALSE), Boolean_t(2)})
    {
        char* text = engineDefault();
        askText("Title:", &text, useText);
        OrvUtilStringDealloc(&text);
    }
    EXPECT_EQ(textService.log, (Texts{"text(Title:, )", "text(Title:, Default)"}));
}

TEST_F(DialogServicesTest, CancelledTextLeavesTheEnginesTextAlone)
{
    textService.accept = false;
    char* const original = engineDefault();
    char* text = original;

    EXPECT_EQ(askText("Title:", &text, TRUE), FALSE);
    EXPECT_EQ(text, original);
    EXPECT_STREQ(text, "Default");
    OrvUtilStringDealloc(&text);
}

TEST_F(DialogServicesTest, TextEntryCopesWithMissingTextsAndMemory)
{
    // Null instructions are empty ones; a null default is no default.
    char* text = nullptr;
    EXPECT_EQ(askText(nullptr, &text, TRUE), TRUE);
    EXPECT_STREQ(text, "typed");
    OrvUtilStringDealloc(&text);

    // Without a place for the result the host is not asked.
    EXPECT_EQ(askText("Name:", nullptr, FALSE), FALSE);
    EXPECT_EQ(textService.log, Texts{"text(, )"});

    // A result the engine cannot allocate reaches it as null, still accepted.
    sim::setStringAllocFails(true);
    EXPECT_EQ(askText("Name:", &text, FALSE), TRUE);
    EXPECT_EQ(text, nullptr);
}

TEST_F(DialogServicesTest, LayoutNamesReachTheHostUnlessNull)
{
    RecordingMRULayoutService service;
    service.makeCurrent();

    sim::reportMRULayout("/plots/pressure.lay");
    sim::reportMRULayout(nullptr);

    EXPECT_EQ(service.log, Texts{"layout(/plots/pressure.lay)"});
}

} // namespace
} // namespace test
} // namespace orvane
