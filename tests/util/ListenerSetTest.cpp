// What the listener set adds to the rules every observable's tests check
// (order, duplicates, re-added listeners, removal and addition during a
// notification, throwing listeners): a listener removed and added again
// during a notification, large and nested notifications, null listeners.
#include "util/ListenerSet.h"

#include <gtest/gtest.h>

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

TEST(ListenerSetTest, LargeSetsAndNestedNotificationsKeepTheirOwnSnapshots)
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

    // The same rule without nesting.
    f.log.clear();
    f.listeners[0].onCall = [&f] { f.set.remove(&f.listeners[38]); };
    f.notify();
    EXPECT_EQ(38u, f.log.size());
    EXPECT_EQ("37", f.log.back());
}

TEST(ListenerSetTest, NullListenersAreNeverStored)
{
    Fixture<ListenerOrder::ByAddress> byAddress(1);
    EXPECT_FALSE(byAddress.set.add(nullptr));
    byAddress.set.add(&byAddress.listeners[0]);
    byAddress.notify();
    EXPECT_EQ(std::vector<std::string>({"0"}), byAddress.log);

    Fixture<ListenerOrder::ByRegistration> byRegistration(0);
    EXPECT_FALSE(byRegistration.set.add(nullptr));
    EXPECT_TRUE(byRegistration.set.empty());
}

} // namespace
