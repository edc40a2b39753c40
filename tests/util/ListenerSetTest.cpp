// The notification rule shared by every listener set of the system.
#include "util/ListenerSet.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using orvane::sdk::util::ListenerOrder;
using orvane::sdk::util::ListenerSet;

namespace {

struct Listener
{
    std::vector<std::string>* log = nullptr;
    std::string name;
    std::function<void()> onCall;
    void called()
    {
        log->push_back(name);
        if (onCall)
            onCall();
    }
};

template <ListenerOrder Order>
struct Fixture
{
    std::vector<std::string> log;
    std::vector<Listener> listeners;
    ListenerSet<Listener, Order> set;

    explicit Fixture(std::size_t count) : listeners(count)
    {
        for (std::size_t i = 0; i < count; ++i)
        {
            listeners[i].log = &log;
            listeners[i].name = std::to_string(i);
        }
    }
    void notify()
    {
        set.notify([](Listener& l) { l.called(); });
    }
};

TEST(ListenerSetTest, ByAddressCallsInAscendingAddressWhateverTheRegistrationOrder)
{
    Fixture<ListenerOrder::ByAddress> f(3);
    f.set.add(&f.listeners[2]);
    f.set.add(&f.listeners[0]);
    f.set.add(&f.listeners[1]);
    f.notify();
    EXPECT_EQ(std::vector<std::string>({"0", "1", "2"}), f.log);
}

TEST(ListenerSetTest, ByRegistrationKeepsTheOrderOfAdding)
{
    Fixture<ListenerOrder::ByRegistration> f(3);
    f.set.add(&f.listeners[2]);
    f.set.add(&f.listeners[0]);
    f.set.add(&f.listeners[1]);
    f.set.remove(&f.listeners[0]);
    f.set.add(&f.listeners[0]);
    f.notify();
    EXPECT_EQ(std::vector<std::string>({"2", "1", "0"}), f.log);
}

TEST(ListenerSetTest, DuplicatesAreKeptOnceAndOneRemovalRemoves)
{
    Fixture<ListenerOrder::ByAddress> f(1);
    EXPECT_TRUE(f.set.add(&f.listeners[0]));
    EXPECT_FALSE(f.set.add(&f.listeners[0]));
    f.notify();
    EXPECT_EQ(1u, f.log.size());
    EXPECT_TRUE(f.set.remove(&f.listeners[0]));
    EXPECT_FALSE(f.set.remove(&f.listeners[0]));
    f.notify();
    EXPECT_EQ(1u, f.log.size());
}

template <typename F>
void removalAndAdditionDuringNotification(F& f)
{
    // 0 removes 2 (not yet called) and adds 3; 1 removes itself.
    f.listeners[0].onCall = [&f] {
        f.set.remove(&f.listeners[2]);
        f.set.add(&f.listeners[3]);
    };
    f.listeners[1].onCall = [&f] { f.set.remove(&f.listeners[1]); };
    for (int i = 0; i < 3; ++i)
        f.set.add(&f.listeners[i]);
    f.notify();
    EXPECT_EQ(std::vector<std::string>({"0", "1"}), f.log);
    f.log.clear();
    f.listeners[0].onCall = nullptr;
    f.notify();
    EXPECT_EQ(std::vector<std::string>({"0", "3"}), f.log);
}

TEST(ListenerSetTest, RemovedMeanwhileAreSkippedAndAddedMeanwhileWait)
{
    Fixture<ListenerOrder::ByAddress> byAddress(4);
    removalAndAdditionDuringNotification(byAddress);
    Fixture<ListenerOrder::ByRegistration> byRegistration(4);
    removalAndAdditionDuringNotification(byRegistration);
}

TEST(ListenerSetTest, RemovedAndAddedAgainMeanwhileIsStillCalled)
{
    Fixture<ListenerOrder::ByAddress> f(2);
    f.listeners[0].onCall = [&f] {
        f.set.remove(&f.listeners[1]);
        f.set.add(&f.listeners[1]);
    };
    f.set.add(&f.listeners[0]);
    f.set.add(&f.listeners[1]);
    f.notify();
    EXPECT_EQ(std::vector<std::string>({"0", "1"}), f.log);
}

TEST(ListenerSetTest, ThrowingListenerEndsTheNotification)
{
    Fixture<ListenerOrder::ByAddress> f(3);
    f.listeners[1].onCall = [] { throw std::runtime_error("listener failed"); };
    for (int i = 0; i < 3; ++i)
        f.set.add(&f.listeners[i]);
    EXPECT_THROW(f.notify(), std::runtime_error);
    EXPECT_EQ(std::vector<std::string>({"0", "1"}), f.log);
    EXPECT_EQ(3u, f.set.size());
}

TEST(ListenerSetTest, LargeSetsUseTheSameRule)
{
    Fixture<ListenerOrder::ByAddress> f(40);
    for (auto& listener : f.listeners)
        f.set.add(&listener);
    f.listeners[0].onCall = [&f] { f.set.remove(&f.listeners[39]); };
    f.notify();
    EXPECT_EQ(39u, f.log.size());
    EXPECT_EQ("38", f.log.back());
}

TEST(ListenerSetTest, NestedNotificationsOfALargeSetKeepTheirOwnSnapshots)
{
    Fixture<ListenerOrder::ByAddress> f(40);
    for (auto& listener : f.listeners)
        f.set.add(&listener);
    bool nested = false;
    // The first listener notifies the set again, once, from inside its call
    // and removes the last listener there: the outer walk skips it too.
    f.listeners[0].onCall = [&] {
        if (nested)
            return;
        nested = true;
        f.set.remove(&f.listeners[39]);
        f.notify();
    };
    f.notify();
    EXPECT_EQ(1u + 39u + 38u, f.log.size());
    EXPECT_EQ("38", f.log.back());
}

TEST(ListenerSetTest, EmptySetNotifiesNobody)
{
    Fixture<ListenerOrder::ByAddress> f(0);
    f.notify();
    EXPECT_TRUE(f.log.empty());
    EXPECT_TRUE(f.set.empty());
}

} // namespace
