// The listener set driven by seeded random sessions against a model: sets of
// up to 40 listeners (past the snapshot kept inline), adds, duplicates and
// removals, and notifications whose listeners add, remove and re-add
// listeners, notify the set again and throw from inside their calls. A
// notification calls, in the set's order, the listeners the set held when it
// began, each one that is in the set when its turn comes; a throw ends it.
// Destroying a set during its notification is the timer test's (a listener
// deletes the timer).
#include "util/ListenerSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

using orvane::sdk::util::ListenerOrder;
using orvane::sdk::util::ListenerSet;

namespace {

template <ListenerOrder Order>
class Session
{
public:
    Session(unsigned seed, int count) : m_random(seed), m_listeners(count)
    {
        EXPECT_FALSE(m_set.add(nullptr)); // never stored
    }

    void run(int steps)
    {
        for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step)
        {
            if (number(0, 2) == 0)
            {
                toggle(number(0, static_cast<int>(m_listeners.size()) - 1));
                continue;
            }
            try
            {
                notify();
            }
            catch (const std::runtime_error&)
            {
                m_frames.clear(); // the throw ended every notification under way
            }
        }
    }

private:
    // A notification under way: the set as it began, and how far it got.
    struct Frame
    {
        std::vector<int> snapshot;
        std::size_t next;
    };

    int number(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(m_random); }
    bool inModel(int index) const { return std::find(m_model.begin(), m_model.end(), index) != m_model.end(); }

    void toggle(int index)
    {
        int* listener = &m_listeners[index];
        if (inModel(index))
        {
            EXPECT_TRUE(m_set.remove(listener));
            EXPECT_FALSE(m_set.remove(listener));
            m_model.erase(std::find(m_model.begin(), m_model.end(), index));
            return;
        }
        EXPECT_TRUE(m_set.add(listener));
        EXPECT_FALSE(m_set.add(listener)); // a set, not a count
        m_model.insert(Order == ListenerOrder::ByRegistration ? m_model.end()
                                                              : std::lower_bound(m_model.begin(), m_model.end(), index),
                       index);
    }

    void notify()
    {
        m_frames.push_back(Frame{m_model, 0});
        m_set.notify([this](int& listener) { called(static_cast<int>(&listener - m_listeners.data())); });
        Frame& frame = m_frames.back();
        for (; frame.next < frame.snapshot.size(); ++frame.next)
            EXPECT_FALSE(inModel(frame.snapshot[frame.next])) << "listener " << frame.snapshot[frame.next] << " skipped";
        m_frames.pop_back();
    }

    void called(int index)
    {
        Frame& frame = m_frames.back();
        while (frame.next < frame.snapshot.size() && !inModel(frame.snapshot[frame.next]))
            ++frame.next;
        ASSERT_LT(frame.next, frame.snapshot.size()) << "listener " << index << " called past the snapshot";
        EXPECT_EQ(frame.snapshot[frame.next], index);
        ++frame.next;
        switch (number(0, 9))
        {
        case 0:
        case 1:
        case 2:
            toggle(number(0, static_cast<int>(m_listeners.size()) - 1)); // may be itself
            break;
        case 3:
            if (m_frames.size() < 3)
                notify();
            break;
        case 4:
            if (number(0, 3) == 0)
                throw std::runtime_error("listener failed");
            break;
        default:
            break;
        }
    }

    std::mt19937 m_random;
    std::vector<int> m_listeners; // ascending addresses by index
    ListenerSet<int, Order> m_set;
    std::vector<int> m_model; // the set's listeners in its order
    std::vector<Frame> m_frames;
};

TEST(ListenerSetTest, RandomSessionsInBothOrdersFollowTheModel)
{
    for (unsigned seed = 1; seed <= 300 && !::testing::Test::HasFailure(); ++seed)
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Session<ListenerOrder::ByAddress>(seed, 1 + static_cast<int>(seed % 40)).run(60);
        Session<ListenerOrder::ByRegistration>(seed, 1 + static_cast<int>(seed % 40)).run(60);
    }
}

} // namespace
