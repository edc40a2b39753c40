// The drawing area's window: its size in device pixels and the state
// notifications the pages rely on.
#include "Checks.h"
#include "ContractText.h"
#include "InputRecorder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane {
namespace sdk {
namespace hostconformance {

using integration::GLDrawAreaInterface;

namespace {

const std::string StateChange =
    "report expose, focus-in and the native window's destruction to the state listeners first "
    "(intern::GLDrawAreaStateObservable, which passes the drawing area itself), then to the signal of the same "
    "kind; nothing for a focus out; the destruction once";

bool sizeIs(GLDrawAreaInterface& drawArea, int width, int height)
{
    int actualWidth = 0, actualHeight = 0;
    drawArea.getSize(actualWidth, actualHeight);
    return std::abs(actualWidth - width) <= 1 && std::abs(actualHeight - height) <= 1;
}

std::string sizeText(GLDrawAreaInterface& drawArea)
{
    int width = 0, height = 0;
    drawArea.getSize(width, height);
    return std::to_string(width) + " x " + std::to_string(height);
}

// The drawing area's own state entries, without the exposes the window
// system may send at any time unless `withExposes`.
std::vector<std::string> stateEntries(const InputRecorder& recorder, bool withExposes)
{
    std::vector<std::string> entries;
    for (const std::string& entry : recorder.entries())
    {
        const bool own = entry.compare(0, 9, "listener ") == 0 || entry.compare(0, 7, "signal ") == 0;
        const bool state = entry.find("exposed") != std::string::npos || entry.find("focus") != std::string::npos ||
                           entry.find("destroyed") != std::string::npos;
        if (own && state && (withExposes || entry.find("exposed") == std::string::npos))
            entries.push_back(entry);
    }
    return entries;
}

} // namespace

void checkSizeIsInDevicePixels(ConformanceTest& test)
{
    std::unique_ptr<GLDrawAreaInterface> drawArea = test.makeDrawArea(200, 160);
    ASSERT_TRUE(drawArea);
    HostDriver& driver = test.driver();
    const double ratio = driver.pixelRatio(*drawArea);
    const std::string hostClass = hostClassOf(*drawArea);
    const std::string inDevicePixels = "report the size in device pixels (the logical size times the window's "
                                       "device pixel ratio, here " + std::to_string(ratio) + ")";
    EXPECT_TRUE(sizeIs(*drawArea, 200, 160)) << contractText(
        hostClass, "getSize() of a window made at 200 x 160 device pixels to be 200 x 160, not " + sizeText(*drawArea),
        inDevicePixels);

    InputRecorder recorder(*drawArea, test.session().monitor());
    driver.resize(*drawArea, 240, 200);
    EXPECT_TRUE(test.waitFor([&] { return sizeIs(*drawArea, 240, 200); }))
        << contractText(hostClass,
                        "getSize() to be 240 x 200 once the window was resized to 240 x 200 device pixels, not " +
                            sizeText(*drawArea),
                        inDevicePixels + ", as it is now");
    EXPECT_TRUE(test.waitFor([&] {
        const std::vector<std::string> exposes = recorder.entriesStartingWith("listener exposed full");
        return !exposes.empty();
    })) << contractText(hostClass, "an expose with full damage after the resize, so that the engine redraws all of "
                                   "the page at its new size",
                        "after a resize, report the next expose with fullDamage true");

    integration::services::ManagerMiscServiceAbstract& misc = test.session().misc();
    EXPECT_NEAR(ratio, misc.getDevicePixelRatio(), 0.01)
        << contractText(hostClassOf(misc),
                        "getDevicePixelRatio() to be the windows' device pixel ratio (" + std::to_string(ratio) + ")",
                        "answer the screen's device pixels per logical pixel");
}

void checkStateNotifications(ConformanceTest& test)
{
    std::unique_ptr<GLDrawAreaInterface> drawArea = test.makeDrawArea(200, 150);
    ASSERT_TRUE(drawArea);
    HostDriver& driver = test.driver();
    const std::string hostClass = hostClassOf(*drawArea);
    InputRecorder recorder(*drawArea, test.session().monitor());
    test.settle();

    struct Step
    {
        const char* what;
        void (HostDriver::*act)(HostDriver::DrawArea&);
        std::vector<std::string> expected;
    };
    const bool focusFirst = driver.mayFocusInFocusedWindow();
    const Step steps[] = {
        {"an expose", &HostDriver::expose, {"listener exposed", "signal exposed"}},
        {"a focus out before the first focus in", focusFirst ? nullptr : &HostDriver::focusOut, {}},
        {"a focus in", &HostDriver::focusIn, {"listener focus gained", "signal focus gained"}},
        {"a focus out", &HostDriver::focusOut, {}},
        {"a focus in after a focus out", &HostDriver::focusIn, {"listener focus gained", "signal focus gained"}},
        {"the native window's destruction", &HostDriver::destroyWindow, {"listener destroyed", "signal destroyed"}},
    };
    for (const Step& step : steps)
    {
        if (step.act == nullptr)
            continue;
        recorder.clear();
        (driver.*step.act)(*drawArea);
        test.settle();
        const bool expose = step.act == &HostDriver::expose;
        std::vector<std::string> heard = stateEntries(recorder, expose);
        // The flag of an expose is the host's; the signal must pass the listeners' one.
        if (expose && heard.size() == 2 && heard[0].substr(9) == heard[1].substr(7))
            for (std::string& entry : heard)
                entry = entry.substr(0, entry.find(" exposed")) + " exposed";
        EXPECT_EQ(step.expected, heard) << contractText(hostClass,
                                                        "after " + std::string(step.what) + ": " +
                                                            listText(step.expected) + ", in that order",
                                                        StateChange);
    }
    EXPECT_FALSE(drawArea->isValid() || drawArea->canRender())
        << contractText(hostClass, "isValid() and canRender() to answer false once the native window is destroyed",
                        "answer isValid() only while the native window exists");

    recorder.clear();
    drawArea.reset();
    recorder.forgetDrawArea(true);
    EXPECT_EQ(std::vector<std::string>{}, stateEntries(recorder, true))
        << contractText(hostClass, "no notification when the drawing area is deleted after its window was destroyed",
                        StateChange);
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
