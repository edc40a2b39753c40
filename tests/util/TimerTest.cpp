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

struct Listener : TimerListenerInterface
{
    std::vector<std::string>* log;
    std::string name;
    std::function<void()> onExpired;
    Listener(std::vector<std::string>* l, std::string n) : log(l), name(std::move(n)) {}
    void timerExpired(TimerInterface&) override
    {
        log->push_back(name);
        if (onExpired)
            onExpired();
    }
};

TEST(TimerTest, NewTimerIsStopped)
{
    HostTimer timer;
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(-1, timer.getInterval());
}

TEST(TimerTest, RestartStopsTheNativeTimerFirst)
{
    HostTimer timer;
    EXPECT_TRUE(timer.start(100));
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(100, timer.getInterval());
    EXPECT_TRUE(timer.start(250));
    EXPECT_EQ(250, timer.getInterval());
    EXPECT_EQ(std::vector<std::string>({"start 100", "stop", "start 250"}), timer.log);
}

TEST(TimerTest, FailedRestartLeavesTheTimerStopped)
{
    HostTimer timer;
    timer.start(100);
    timer.nativeStartSucceeds = false;
    EXPECT_FALSE(timer.start(200));
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(-1, timer.getInterval());
}

TEST(TimerTest, StopAlwaysReachesTheNativeTimer)
{
    HostTimer timer;
    timer.stop();
    EXPECT_EQ(std::vector<std::string>({"stop"}), timer.log);
    EXPECT_EQ(-1, timer.getInterval());
}

TEST(TimerTest, ExpiryRunsTimeoutThenListenersBySnapshot)
{
    HostTimer timer;
    std::vector<std::string> log;
    Listener listeners[3] = {{&log, "a"}, {&log, "b"}, {&log, "c"}};
    Listener late(&log, "late");
    // The first listener by address removes the last one and adds `late`.
    listeners[0].onExpired = [&] {
        timer.removeListener(&listeners[2]);
        timer.addListener(&late);
    };
    for (Listener& l : listeners)
        timer.addListener(&l);
    timer.addListener(&listeners[1]);

    timer.fire();
    EXPECT_EQ(std::vector<std::string>({"timeout"}), timer.log);
    EXPECT_EQ(std::vector<std::string>({"a", "b"}), log);

    log.clear();
    listeners[0].onExpired = nullptr;
    timer.fire();
    EXPECT_EQ(3u, log.size()); // a, b and late, in address order
    timer.removeListener(&late);
}

} // namespace
