// The timer's bookkeeping over a host's native timer.
#include "util/TimerAbstract.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using orvane::sdk::util::TimerAbstract;
using orvane::sdk::util::TimerInterface;
using orvane::sdk::util::TimerListenerInterface;

namespace {

// A host timer whose native side is a log.
class HostTimer : public TimerAbstract
{
public:
    std::vector<std::string> log;
    bool nativeStartSucceeds = true;

    void fire() { internalTimeout(); }
    void timeout() override { log.push_back("timeout"); }

protected:
    bool internalStart(int interval) override
    {
        log.push_back("start " + std::to_string(interval));
        return nativeStartSucceeds;
    }
    void internalStop() override { log.push_back("stop"); }
};

// Notes each expiry in its timer's log.
struct Listener : TimerListenerInterface
{
    HostTimer* timer;
    explicit Listener(HostTimer& t) : timer(&t) {}
    void timerExpired(TimerInterface& expired) override
    {
        timer->log.push_back(&expired == timer ? "listener" : "listener of another timer");
    }
};

TEST(TimerTest, StartStopAndRestartReachTheNativeTimer)
{
    HostTimer timer;
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(-1, timer.getInterval());
    timer.stop(); // always reaches the native timer
    EXPECT_EQ(-1, timer.getInterval());

    EXPECT_TRUE(timer.start(100));
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(100, timer.getInterval());
    EXPECT_TRUE(timer.start(250)); // a restart stops the native timer first
    EXPECT_EQ(250, timer.getInterval());
    EXPECT_EQ(std::vector<std::string>({"stop", "start 100", "stop", "start 250"}), timer.log);

    // A failed restart leaves the timer stopped.
    timer.nativeStartSucceeds = false;
    EXPECT_FALSE(timer.start(200));
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(-1, timer.getInterval());
}

// The listeners' order and changes during a notification follow the
// listener set's rules, tested with the set itself.
TEST(TimerTest, ExpiryRunsTimeoutThenEachListenerOnce)
{
    HostTimer timer;
    Listener listener(timer);
    timer.addListener(&listener);
    timer.addListener(&listener);
    timer.fire();
    timer.removeListener(&listener);
    timer.fire();
    EXPECT_EQ(std::vector<std::string>({"timeout", "listener", "timeout"}), timer.log);
}

// A listener may delete the timer while it is told, with more listeners than
// a notification keeps inline: the rest are not called, nothing touches the
// freed timer (the sanitizers watch).
TEST(TimerTest, AListenerMayDeleteTheTimer)
{
    struct Deleter : TimerListenerInterface
    {
        HostTimer** timer = nullptr; // set on the one that deletes it
        int* calls = nullptr;
        void timerExpired(TimerInterface&) override
        {
            ++*calls;
            if (timer != nullptr)
            {
                delete *timer;
                *timer = nullptr;
            }
        }
    };
    for (int deleter : {0, 7, 19})
    {
        HostTimer* timer = new HostTimer;
        int calls = 0;
        Deleter listeners[20];
        for (Deleter& listener : listeners)
        {
            listener.calls = &calls;
            timer->addListener(&listener);
        }
        listeners[deleter].timer = &timer;
        timer->fire();
        EXPECT_EQ(nullptr, timer);
        EXPECT_EQ(deleter + 1, calls);
    }
}

} // namespace
