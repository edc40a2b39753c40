// Input in a drawing area: what the work-area dispatcher, the interrupt
// processor and the event objects read of it.
#include "Checks.h"
#include "ContractText.h"
#include "InputRecorder.h"

#include <algorithm>

namespace orvane {
namespace sdk {
namespace hostconformance {

using integration::GLDrawAreaInterface;
using integration::MouseEventInterface;

namespace {

const int Shift = 1;
const int Control = 2;
const int Alt = 4;
const int Escape = 27;

const std::string ReportMouse =
    "report each press, release and move to the mouse listeners (intern::MouseEventObservable) with the drawing "
    "area itself as source, then fire the signal of the same kind; buttons as MouseButton_1 (left), _2 (middle), "
    "_3 (right), positions in device pixels, the modifiers the toolkit gives with the event; a move carries no "
    "button (MouseButton_None), even while a button is held";
const std::string ReportApplicationWide =
    "from the monitor, report all input application-wide, drawing areas included: signalProcessingNewEvent first, "
    "signalMouseButtonStateChanged for presses and releases, then notifyOf... (listeners, then the monitor's "
    "signal); signalWheelRotated for the wheel";
const std::string ReportKeys =
    "report key presses and releases to the key listeners (intern::KeyEventObservable) with the drawing area "
    "itself as source and the key as the character typed (32..126) or 27 for Escape; the miscellaneous service's "
    "getKeyboardModifiers() must answer the modifiers of the event being delivered (key events read them there)";

// Whether an entry `isFirst` accepts was heard, and one `isSecond` accepts after it.
template <typename First, typename Second>
bool heardInOrderWhere(const std::vector<std::string>& entries, First isFirst, Second isSecond)
{
    const auto at = std::find_if(entries.begin(), entries.end(), isFirst);
    return at != entries.end() && std::find_if(at, entries.end(), isSecond) != entries.end();
}

// Whether `first` was heard, and `second` after it.
bool heardInOrder(const std::vector<std::string>& entries, const std::string& first, const std::string& second)
{
    const auto equals = [](const std::string& expected) {
        return [&expected](const std::string& entry) { return entry == expected; };
    };
    return heardInOrderWhere(entries, equals(first), equals(second));
}

// The same for entries that begin with `first` and `second`.
bool heardInOrderBeginning(const std::vector<std::string>& entries, const std::string& first, const std::string& second)
{
    const auto beginsWith = [](const std::string& prefix) {
        return [&prefix](const std::string& entry) { return entry.compare(0, prefix.size(), prefix) == 0; };
    };
    return heardInOrderWhere(entries, beginsWith(first), beginsWith(second));
}

std::size_t count(const std::vector<std::string>& entries, const std::string& entry)
{
    return std::size_t(std::count(entries.begin(), entries.end(), entry));
}

} // namespace

void checkMouseInput(ConformanceTest& test)
{
    std::unique_ptr<GLDrawAreaInterface> drawArea = test.makeDrawArea(240, 160);
    ASSERT_TRUE(drawArea);
    HostDriver& driver = test.driver();
    integration::services::ManagerMiscServiceAbstract& misc = test.session().misc();
    const std::string hostClass = hostClassOf(*drawArea);
    const std::string monitorClass = hostClassOf(test.session().monitor());
    InputRecorder recorder(*drawArea, test.session().monitor());
    test.settle();

    struct Step
    {
        const char* kind;
        MouseEventInterface::MouseButton_e button;
        int x, y, modifiers;
    };
    const Step steps[] = {
        {"press", MouseEventInterface::MouseButton_1, 40, 60, 0},
        {"move", MouseEventInterface::MouseButton_None, 80, 100, 0},
        {"release", MouseEventInterface::MouseButton_1, 80, 100, 0},
        {"press", MouseEventInterface::MouseButton_3, 20, 20, Control},
        {"release", MouseEventInterface::MouseButton_3, 20, 20, Control},
        {"press", MouseEventInterface::MouseButton_2, 100, 40, Shift},
        {"release", MouseEventInterface::MouseButton_2, 100, 40, Shift},
        {"move", MouseEventInterface::MouseButton_None, 60, 80, Alt},
    };
    for (const Step& step : steps)
    {
        recorder.clear();
        const std::string kind = step.kind;
        if (kind == "press")
            driver.pressButton(*drawArea, step.button, step.x, step.y, step.modifiers);
        else if (kind == "release")
            driver.releaseButton(*drawArea, step.button, step.x, step.y, step.modifiers);
        else
            driver.moveMouse(*drawArea, step.x, step.y, step.modifiers);
        test.settle();
        const std::string event = InputRecorder::mouseText(kind, step.button, step.x, step.y, step.modifiers);
        const std::vector<std::string>& heard = recorder.entries();
        // The toolkit may move the pointer on its own; a press or release comes once.
        const std::size_t listened = count(heard, "listener " + event);
        EXPECT_TRUE((kind == "move" ? listened > 0 : listened == 1) &&
                    heardInOrder(heard, "listener " + event, "signal " + event))
            << contractText(hostClass, "\"" + event + "\" once to the listeners, then to the signal; heard " +
                                           listText(heard),
                            ReportMouse);
        EXPECT_TRUE(heardInOrder(heard, "monitor new event", "monitor listener " + event))
            << contractText(monitorClass, "the monitor to report \"" + event + "\" after signalProcessingNewEvent; heard " +
                                              listText(heard),
                            ReportApplicationWide);
        if (kind == "move")
            continue;
        const bool down = kind == "press";
        EXPECT_EQ(1u, count(heard, "monitor button " + std::to_string(step.button) + (down ? " down" : " up")))
            << contractText(monitorClass, "signalMouseButtonStateChanged(" + std::to_string(step.button) +
                                              (down ? ", true)" : ", false)") + " once; heard " + listText(heard),
                            ReportApplicationWide);
        EXPECT_EQ(down, misc.isMouseButtonPressed(step.button))
            << contractText(hostClassOf(misc), "isMouseButtonPressed(" + std::to_string(step.button) + ") to answer " +
                                                   (down ? "true after the button's press" : "false after its release"),
                            "answer which buttons the toolkit knows are down now");
    }

    for (const int delta : {120, -120})
    {
        recorder.clear();
        driver.turnWheel(*drawArea, 60, 40, delta);
        test.settle();
        const std::string wheel = std::string("wheel at 60,40 ") + (delta > 0 ? "away" : "towards") + " vertical";
        const std::vector<std::string>& heard = recorder.entries();
        EXPECT_EQ(1u, count(heard, "signal " + wheel))
            << contractText(hostClass, "signalWheelRotated once with \"" + wheel + "\"; heard " + listText(heard),
                            "fire signalWheelRotated (with an intern::MouseWheelEvent) for each wheel rotation, at its "
                            "position in device pixels, the delta as the toolkit gives it (positive away from the user)");
        EXPECT_EQ(1u, count(heard, "monitor signal " + wheel))
            << contractText(monitorClass, "the monitor's signalWheelRotated once with \"" + wheel + "\"; heard " +
                                              listText(heard),
                            ReportApplicationWide);
        // The engine zooms with keys: the wheel signal alone never reaches it.
        const int zoomKey = delta > 0 ? '+' : '-';
        const std::string key = " " + std::to_string(zoomKey) + " modifiers";
        EXPECT_TRUE(heardInOrderBeginning(heard, "listener key press" + key, "listener key release" + key))
            << contractText(hostClass, "the wheel step to reach the key listeners as a press and release of '" +
                                           std::string(1, char(zoomKey)) + "'; heard " + listText(heard),
                            "after signalWheelRotated, report each vertical wheel step to the key listeners as a "
                            "press and release of '+' (away from the user) or '-' (towards): the engine zooms with "
                            "these keys and takes no wheel event");
    }
}

void checkKeyInput(ConformanceTest& test)
{
    std::unique_ptr<GLDrawAreaInterface> drawArea = test.makeDrawArea(200, 150);
    ASSERT_TRUE(drawArea);
    InputRecorder recorder(*drawArea, test.session().monitor());
    test.settle();

    const std::pair<int, int> keys[] = {{'a', 0}, {'A', Shift}, {'+', 0}, {' ', 0}, {'7', Control}, {'x', Alt}, {Escape, 0}};
    for (const auto& key : keys)
    {
        recorder.clear();
        test.driver().pressKey(*drawArea, key.first, key.second);
        test.driver().releaseKey(*drawArea, key.first, key.second);
        test.settle();
        const std::vector<std::string> expected = {
            "listener " + InputRecorder::keyText("key press", key.first, key.second),
            "listener " + InputRecorder::keyText("key release", key.first, key.second)};
        EXPECT_EQ(expected, recorder.entriesStartingWith("listener key"))
            << contractText(hostClassOf(*drawArea), "the key's press and release to the key listeners", ReportKeys);
        const std::string monitorPress = "monitor listener " + InputRecorder::keyText("key press", key.first, key.second);
        EXPECT_EQ(1u, count(recorder.entries(), monitorPress))
            << contractText(hostClassOf(test.session().monitor()),
                            "the monitor to report \"" + monitorPress.substr(17) + "\" once; heard " +
                                listText(recorder.entries()),
                            ReportApplicationWide);
    }
}

void checkKeyTranslation(ConformanceTest& test)
{
    integration::services::ManagerMiscServiceAbstract& misc = test.session().misc();
    std::vector<std::string> changed;
    for (int key = 27; key <= 127; key = key == 27 ? 32 : key + 1)
    {
        const int translated = misc.translateKeyCode(key);
        if (translated != key)
            changed.push_back(std::to_string(key) + " -> " + std::to_string(translated));
    }
    EXPECT_EQ(std::vector<std::string>{}, changed)
        << contractText(hostClassOf(misc), "translateKeyCode() to keep the codes 32..127 and Escape (27)",
                        "translate only the toolkit's codes of other keys (arrows, function keys...) into the "
                        "engine's; an Escape that stays 27 is what lets it interrupt past an active stop button");

    // The library translates a drawing area's key for the engine, and
    // translates that code again when the event manager reports the key to
    // its own listeners. Codes of the toolkits' ranges, and a few negative.
    std::vector<std::string> retranslated;
    const std::pair<int, int> ranges[] = {{-256, 0x2ffff}, {0x01000000, 0x01001fff}};
    for (const std::pair<int, int>& range : ranges)
        for (int key = range.first; key <= range.second && retranslated.size() < 5; ++key)
        {
            const int translated = misc.translateKeyCode(key);
            const int again = misc.translateKeyCode(translated);
            if (again != translated)
                retranslated.push_back(std::to_string(key) + " -> " + std::to_string(translated) + " -> " +
                                       std::to_string(again));
        }
    EXPECT_EQ(std::vector<std::string>{}, retranslated)
        << contractText(hostClassOf(misc),
                        "translateKeyCode() to answer a code it gives with that code again: the event manager's key "
                        "listeners get a drawing area's key translated twice",
                        "answer the engine's codes with themselves, and have drawing areas report a key whose "
                        "toolkit code is also an engine code by a code that is none");
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
