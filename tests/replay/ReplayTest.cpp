// Replays of a recorded session: the recording itself replays with no
// divergence, and recordings edited at one crossing diverge where the
// library acts on the edit, with the report naming that crossing.
#include "Recording.h"
#include "Replay.h"
#include "Shrink.h"

#include "integration/intern/ApplicationEventMonitorAbstract.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

namespace {
// A known fault injected into the library while set: the monitor's stop
// buttons never count as active (Escape is not taken for an interrupt).
bool s_stopButtonsIgnored = false;
struct StopButtonsIgnored
{
    StopButtonsIgnored() { s_stopButtonsIgnored = true; }
    ~StopButtonsIgnored() { s_stopButtonsIgnored = false; }
};
} // namespace

// Defined in the test program, this takes the library's function's place
// through the dynamic linker; without the fault it runs the library's own.
bool orvane::sdk::integration::intern::ApplicationEventMonitorAbstract::areStopButtonsActive() const
{
    typedef bool (*Library)(const ApplicationEventMonitorAbstract*);
    static const Library library = reinterpret_cast<Library>(
        dlsym(RTLD_NEXT, "_ZNK6orvane3sdk11integration6intern31ApplicationEventMonitorAbstract20areStopButtonsActiveEv"));
    return !s_stopButtonsIgnored && library(this);
}

namespace orvane {
namespace replay {
namespace {

using nlohmann::json;

std::string corpus(const char* name)
{
    std::ifstream file(std::string(ORVANE_REPLAY_CORPUS) + "/" + name);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Sets `key` of the `occurrence`th span named `name` (on its "B" event, or
// on its "E" event for a result) to `value`.
std::string edited(const std::string& text, const char* name, int occurrence, const char* key, long long value)
{
    json document = json::parse(text);
    json& events = document["traceEvents"];
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < events.size(); ++i)
    {
        json& event = events[i];
        if (event["ph"] == "B")
        {
            open.push_back(i);
            if (event["name"] == name && occurrence-- == 0 && event.contains("args") && event["args"].contains(key))
            {
                event["args"][key] = value;
                return document.dump();
            }
        }
        else if (event["ph"] == "E")
        {
            const json& begin = events[open.back()];
            open.pop_back();
            if (begin["name"] == name && occurrence == -1 && event.contains("args") && event["args"].contains(key))
            {
                event["args"][key] = value;
                return document.dump();
            }
        }
    }
    ADD_FAILURE() << "no span " << name << " with " << key;
    return text;
}

TEST(Replay, EditedRecordingsDivergeWhereTheLibraryActsOnTheEdit)
{
    const std::string recorded = corpus("console-demo.json");
    struct Case
    {
        const char* what;
        const char* span;
        int occurrence;
        const char* key;
        long long value;
        const char* divergence; // the "recorded:" line of the report begins so
    };
    const Case cases[] = {
        {"a swap refused by the host's render decider", "shouldOpenGLBuffersBeSwapped", 1, "result", 0,
         "recorded: host swapBuffers"},
        {"another page id asked of the engine", "OrvUtilPageSetCurrentByUniqueID", 0, "id", 7,
         "recorded: engine OrvUtilPageSetCurrentByUniqueID {\"id\":7"},
        {"the engine busy when the current page is set", "OrvUtilIsBusy", 1, "result", 1,
         "recorded: engine OrvUtilPageGetUniqueID"},
        {"a render query refused", "canRender", 0, "result", 0, "recorded: end of callback renderQuery {\"result\":1}"},
    };
    const Outcome clean = replay(Recording::fromText(recorded, "console-demo.json"));
    EXPECT_FALSE(clean.diverged) << clean.report;
    EXPECT_GT(clean.crossings, 150u);
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.what);
        const Outcome outcome =
            replay(Recording::fromText(edited(recorded, test.span, test.occurrence, test.key, test.value), "edited"));
        EXPECT_TRUE(outcome.diverged);
        EXPECT_LT(outcome.crossings, clean.crossings);
        EXPECT_NE(outcome.report.find(test.divergence), std::string::npos) << outcome.report;
    }
}

TEST(Replay, ALibraryWithAFaultDivergesWhereTheFaultActs)
{
    const Recording recording = Recording::fromText(corpus("console-demo.json"), "console-demo.json");
    const StopButtonsIgnored fault;
    const Outcome outcome = replay(recording);
    EXPECT_TRUE(outcome.diverged);
    EXPECT_NE(outcome.report.find("recorded: host isActive"), std::string::npos) << outcome.report;
}

TEST(Replay, RefusesWhatIsNoRecordingOfThisSchema)
{
    const std::string current = corpus("headless-render.json");
    std::string older = current;
    older.replace(older.find("\"schemaVersion\":3"), 17, "\"schemaVersion\":2");
    for (const std::string& text : {std::string("{\"traceEvents\":"), std::string("{\"traceEvents\":[]}"), older})
        EXPECT_THROW(Recording::fromText(text, "t.json"), RecordingError) << text;
}

// A randomized model-test session, on a library with the fault injected.
TEST(Replay, ShrinksADivergingRecordingToAShorterOneThatDivergesTheSameWay)
{
#ifdef __SANITIZE_ADDRESS__
    // A recording cut short keeps the pages its engine never destroyed.
    const __lsan::ScopedDisabler keptPages;
#endif
    const std::string diverging = corpus("model-seed-17-steps-60.json");
    const StopButtonsIgnored fault;
    const Outcome outcome = replay(Recording::fromText(diverging, "model session"));
    ASSERT_TRUE(outcome.diverged);
    const std::string shorter = shrink(diverging, outcome.signature);
    const Recording shrunk = Recording::fromText(shorter, "shrunk");
    EXPECT_LT(shrunk.spans().size(), Recording::fromText(diverging, "model session").spans().size());
    EXPECT_EQ(outcome.signature, replay(shrunk).signature);
}

} // namespace
} // namespace replay
} // namespace orvane
