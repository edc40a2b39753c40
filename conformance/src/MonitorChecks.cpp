// The application event monitor: start-up check, idle time, and the busy
// pass the engine's busy loop runs (processPendingEvents), played here by
// the suite as the engine plays it: from inside an operation.
#include "Checks.h"
#include "ContractText.h"
#include "InputRecorder.h"

#include "integration/EventManagerInterface.h"
#include "integration/MouseEventListenerInterface.h"

#include <algorithm>
#include <stdexcept>

namespace orvane {
namespace sdk {
namespace hostconformance {

using integration::MouseEventInterface;

namespace {

const std::string ReportIdle =
    "call notifyOfIdle() whenever the event loop is about to wait (and the engine is not busy), and run the "
    "library's idle actions (processIdleActions() or an IdleActionScheduler)";
const std::string BusyPass =
    "in processPendingEvents(), process the GUI events pending now (at least those of drawing areas), "
    "catching every exception, and let it be called again from inside one of those events";

// What the engine's work area receives, as the event manager reports it.
class EngineInputRecorder : public integration::MouseEventListenerInterface
{
public:
    std::vector<std::string> heard;
    void mouseMoved(MouseEventInterface&, integration::MouseEventObservableInterface&) override {}
    void buttonPressed(MouseEventInterface& event, integration::MouseEventObservableInterface&) override
    {
        heard.push_back(InputRecorder::mouseText("press", event.button(), event.x(), event.y(), 0));
    }
    void buttonDoublePressed(MouseEventInterface&, integration::MouseEventObservableInterface&) override {}
    void buttonReleased(MouseEventInterface& event, integration::MouseEventObservableInterface&) override
    {
        heard.push_back(InputRecorder::mouseText("release", event.button(), event.x(), event.y(), 0));
    }
};

std::size_t count(const std::vector<std::string>& entries, const std::string& entry)
{
    return std::size_t(std::count(entries.begin(), entries.end(), entry));
}

std::string keyPress(int key) { return "listener " + InputRecorder::keyText("key press", key, 0); }

} // namespace

void checkMonitorIsReady(ConformanceTest& test)
{
    EXPECT_TRUE(test.session().monitor().isReady())
        << contractText(hostClassOf(test.session().monitor()), "isReady() to answer true on a machine that can render",
                        "answer whether the toolkit can make an OpenGL context (init() fails when it answers false)");
}

void checkIdleTimeDeliversInput(ConformanceTest& test)
{
    std::unique_ptr<integration::GLDrawAreaInterface> drawArea = test.makeDrawArea(200, 150);
    ASSERT_TRUE(drawArea);
    const std::string monitorClass = hostClassOf(test.session().monitor());
    InputRecorder recorder(*drawArea, test.session().monitor());
    EngineInputRecorder engine;
    integration::EventManagerInterface& events = test.session().manager().getEventManager();
    events.addMouseListener(&engine);
    const ConformanceTest::PageScope pageScope(test);
    test.pages().addPage(drawArea.get());
    test.settle();

    recorder.clear();
    test.driver().processEvents();
    EXPECT_GE(count(recorder.entries(), "monitor idle"), 1u)
        << contractText(monitorClass, "idle time reported while the event loop runs", ReportIdle);

    test.driver().pressButton(*drawArea, MouseEventInterface::MouseButton_1, 40, 40, 0);
    test.driver().releaseButton(*drawArea, MouseEventInterface::MouseButton_1, 40, 40, 0);
    test.waitFor([&] { return engine.heard.size() >= 2; });
    EXPECT_EQ((std::vector<std::string>{"press 1 at 40,40 modifiers 0", "release 1 at 40,40 modifiers 0"}), engine.heard)
        << contractText(monitorClass,
                        "a click in the current page's drawing area to reach the engine at the next idle time",
                        ReportIdle);
    events.removeMouseListener(&engine);
}

void checkBusyPass(ConformanceTest& test)
{
    std::unique_ptr<integration::GLDrawAreaInterface> drawArea = test.makeDrawArea(200, 150);
    ASSERT_TRUE(drawArea);
    HostDriver& driver = test.driver();
    integration::intern::ApplicationEventMonitorAbstract& monitor = test.session().monitor();
    const std::string monitorClass = hostClassOf(monitor);
    InputRecorder recorder(*drawArea, monitor);
    test.settle();

    recorder.clear();
    driver.pressKey(*drawArea, 'a', 0);
    driver.pressButton(*drawArea, MouseEventInterface::MouseButton_1, 20, 20, 0);
    driver.releaseButton(*drawArea, MouseEventInterface::MouseButton_1, 20, 20, 0);
    driver.releaseKey(*drawArea, 'a', 0);
    ASSERT_EQ(std::vector<std::string>{}, recorder.entriesStartingWith("listener"))
        << hostClassOf(driver) << ": its input operations must queue the input, not deliver it at once";
    monitor.processPendingEvents();
    const std::vector<std::string> expected = {keyPress('a'), "listener " + InputRecorder::mouseText("press", 1, 20, 20, 0),
                                               "listener " + InputRecorder::mouseText("release", 1, 20, 20, 0),
                                               "listener " + InputRecorder::keyText("key release", 'a', 0)};
    std::vector<std::string> delivered = recorder.entriesStartingWith("listener");
    delivered.erase(std::remove_if(delivered.begin(), delivered.end(),
                                   [](const std::string& entry) { return entry.find(" move ") != std::string::npos; }),
                    delivered.end());
    EXPECT_EQ(expected, delivered) << contractText(
        monitorClass, "processPendingEvents() to deliver the drawing area's input queued while the engine was busy",
        BusyPass);

    // An event handler that starts an engine operation gets a busy pass inside the pass.
    recorder.clear();
    recorder.onKeyPressed([&monitor](int key) {
        if (key == 'b')
            monitor.processPendingEvents();
    });
    driver.pressKey(*drawArea, 'b', 0);
    driver.pressKey(*drawArea, 'c', 0);
    EXPECT_NO_THROW(monitor.processPendingEvents());
    test.settle();
    EXPECT_TRUE(count(recorder.entries(), keyPress('b')) == 1 && count(recorder.entries(), keyPress('c')) == 1)
        << contractText(monitorClass, "a busy pass inside a busy pass to deliver each pending key once; heard " +
                                          listText(recorder.entriesStartingWith("listener")),
                        BusyPass);

    recorder.onKeyPressed([](int key) {
        if (key == 'd')
            throw std::runtime_error("a listener failed");
    });
    driver.pressKey(*drawArea, 'd', 0);
    EXPECT_NO_THROW(monitor.processPendingEvents())
        << contractText(monitorClass, "processPendingEvents() to let no exception out: it returns into the engine's C code",
                        BusyPass);
    recorder.onKeyPressed(nullptr);
    recorder.clear();
    driver.pressKey(*drawArea, 'e', 0);
    test.settle();
    EXPECT_EQ(1u, count(recorder.entries(), keyPress('e')))
        << contractText(monitorClass, "the application to go on delivering input after a listener threw in a busy pass",
                        BusyPass);
    EXPECT_EQ(1u, count(recorder.entries(), "monitor engine no longer busy"))
        << contractText(monitorClass, "signalEngineIsNoLongerBusy once at the first idle time after busy passes",
                        "remember that processPendingEvents() ran and fire signalEngineIsNoLongerBusy before the next "
                        "idle time's notifyOfIdle");
    recorder.clear();
    test.settle();
    EXPECT_EQ(0u, count(recorder.entries(), "monitor engine no longer busy"))
        << contractText(monitorClass, "no signalEngineIsNoLongerBusy at idle times without a busy pass before",
                        "fire it only at the first idle time after processPendingEvents() ran");
    for (const char key : {'b', 'c', 'd', 'e'})
        driver.releaseKey(*drawArea, key, 0);
    test.settle();
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
