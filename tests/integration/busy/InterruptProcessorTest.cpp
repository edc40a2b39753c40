// When input interrupts the engine: the rules per input kind, the work-area
// button, and the release rule with its receivers.
#include "integration/intern/InterruptProcessor.h"
#include "integration/intern/KeyEvent.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/MouseWheelEvent.h"
#include "integration/intern/OnIdleObservable.h"
#include "support/FakeManagerMiscService.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace orvane::sdk::integration;
using orvane::test::FakeManagerMiscService;
typedef MouseEventInterface::MouseButton_e Button;

namespace {

// A monitor whose busy and interruptible states the test sets; it counts the
// interrupts asked of it.
class ScriptedMonitor : public intern::MouseEventObservable,
                        public intern::KeyEventObservable,
                        public intern::OnIdleObservable,
                        public virtual ApplicationEventMonitorInterface
{
public:
    bool busy = false;
    bool interruptible = false;
    int interrupts = 0;

    bool isBusy() const override { return busy; }
    bool shouldInterrupt() override { return interrupts > 0; }
    bool isReady() override { return true; }
    bool stopMonitoring() override { return true; }
    void interrupt() override { ++interrupts; }
    bool isEngineInterruptible() const override { return interruptible; }
    void registerStopButton(const boost::shared_ptr<const StopButtonInterface>&) override {}
    void unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>&) override {}
};

// Two widgets of the host, by identity.
const int ReceiverA = 1;
const int ReceiverB = 2;

class InterruptProcessorTest : public ::testing::Test
{
protected:
    ScriptedMonitor monitor;
    FakeManagerMiscService service;
    std::unique_ptr<intern::InterruptProcessor> processor{new intern::InterruptProcessor(monitor, &service)};

    // Plays a script of words, each one step of the host or the engine:
    //   inside     in the engine's busy callback (busy and interruptible)
    //   busy, interruptible, calm (not interruptible), done (no longer busy)
    //   A+ A- B+   the host processes an event for widget A or B, which
    //              allows interrupts (+) or not (-)
    //   key keyUp move wheel timer, press<n> dbl<n> rel<n>   input heard
    //   down<n>    the service reports button n down
    //   wa<n> wa-<n>  a work-area button pressed or released
    //   noservice  a processor without a service; gone  no processor
    //   =<n>       the interrupts asked so far
    void restart(FakeManagerMiscService* withService)
    {
        processor.reset();
        processor.reset(new intern::InterruptProcessor(monitor, withService));
    }

    void play(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string word; words >> word;)
        {
            const Button button = MouseEventInterface::toMouseButton(word.back() - '0'); // invalid for words without one
            intern::MouseEvent mouse(nullptr, button, 10, 20);
            intern::KeyEvent key(nullptr, 65);
            if (word == "inside")
                monitor.busy = monitor.interruptible = true;
            else if (word == "busy")
                monitor.busy = true;
            else if (word == "interruptible" || word == "calm")
                monitor.interruptible = word == "interruptible";
            else if (word == "done")
                monitor.signalEngineIsNoLongerBusy();
            else if (word[0] == 'A' || word[0] == 'B')
                monitor.signalProcessingNewEvent(
                    ApplicationEventMonitorInterface::EventReceiverInfo{word[0] == 'A' ? &ReceiverA : &ReceiverB, word[1] == '+'});
            else if (word == "key" || word == "keyUp")
                word == "key" ? monitor.notifyOfKeyPressed(key, monitor) : monitor.notifyOfKeyReleased(key, monitor);
            else if (word == "move")
            {
                intern::MouseEvent moved(nullptr, MouseEventInterface::MouseButton_None, 10, 20);
                monitor.notifyOfMouseMoved(moved, monitor);
            }
            else if (word == "wheel")
            {
                intern::MouseWheelEvent wheel(0, 0, 120, false, false, false,
                                              MouseWheelEventInterface::Orientation_Vertical);
                monitor.signalWheelRotated(wheel);
            }
            else if (word == "timer")
                monitor.signalWidgetChangeDuetoTimerEvent();
            else if (word.rfind("press", 0) == 0)
                monitor.notifyOfButtonPressed(mouse, monitor);
            else if (word.rfind("dbl", 0) == 0)
                monitor.notifyOfButtonDoublePressed(mouse, monitor);
            else if (word.rfind("rel", 0) == 0)
                monitor.notifyOfButtonReleased(mouse, monitor);
            else if (word.rfind("down", 0) == 0)
                service.pressedButtons.insert(button);
            else if (word.rfind("wa-", 0) == 0)
                processor->workAreaButtonReleased(button);
            else if (word.rfind("wa", 0) == 0)
                processor->workAreaButtonPressed(button);
            else if (word == "noservice")
                restart(nullptr);
            else if (word == "gone")
                processor.reset();
            else if (word[0] == '=')
                EXPECT_EQ(std::stoi(word.substr(1)), monitor.interrupts) << "at " << word << " of: " << script;
            else
                FAIL() << "unknown step " << word;
        }
    }
};

} // namespace

TEST_F(InterruptProcessorTest, EachInputKindInterruptsByItsRule)
{
    const char* const scripts[] = {
        // Outside the busy callback no input interrupts.
        "busy down1 A+ key press1 dbl1 rel2 move wheel timer =0",
        // Inside it, key presses, presses, double presses, the wheel and the timer do.
        "inside keyUp =0 key =1 press3 =2 dbl3 =3 wheel =4 timer =5",
        // Without a service no button counts as down: a move does not interrupt.
        "noservice inside move =0",
        // The first work-area button stays tracked until its own release.
        "inside wa1 wa3 wa-3 wheel =0 wa-1 wheel =1",
        // A release interrupts only at a receiver that allows it (nothing
        // processed yet: none does); a button nobody followed interrupts at once.
        "inside rel2 =0 A- rel2 =0 A+ rel2 =1",
        // Pressed while idle, the next processed event finds the engine busy:
        // the press is pending and its release (no idle release recorded a
        // receiver) does not interrupt; the press is forgotten with it.
        "A+ press1 inside B+ rel1 =0 rel1 =1",
        // A release made while idle; the first event processed while busy
        // records the receiver of the last processed event, and a work-area
        // button's release compares the receivers.
        "A+ rel2 busy A+ inside wa1 rel1 =1 B+ rel1 =1",
        // An idle press not seen busy interrupts at its release like any other;
        // one reported no longer busy is pending even though nothing is busy.
        "A+ press1 interruptible rel1 =1 calm press1 done inside rel1 =1",
        // An interrupt clears the pending press.
        "A+ press1 done inside key =1 rel1 =2",
        // A destroyed processor left the monitor's signals.
        "gone inside key wheel timer A+ done =0",
    };
    for (const char* script : scripts)
    {
        monitor.busy = monitor.interruptible = false;
        monitor.interrupts = 0;
        service.pressedButtons.clear();
        restart(&service);
        play(script);
    }
}

TEST_F(InterruptProcessorTest, MoveInterruptsOnlyWithAButtonDownAndNoWorkAreaButton)
{
    play("inside move =0");
    EXPECT_EQ(3u, service.buttonQueries.size());

    // The service is asked button by button and the first pressed one ends it.
    service.buttonQueries.clear();
    play("down2 move =1");
    EXPECT_EQ(std::vector<Button>({MouseEventInterface::MouseButton_1, MouseEventInterface::MouseButton_2}),
              service.buttonQueries);

    // A press still interrupts while the work area holds a button.
    play("wa1 move wheel dbl1 =1 press2 =2");
}
