#ifndef ORVANE_UTIL_LISTENERSET_H
#define ORVANE_UTIL_LISTENERSET_H

#include "util/DestructionSentinel.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace orvane {
namespace sdk {
namespace util {

// The order in which a ListenerSet notifies its listeners.
enum class ListenerOrder
{
    // Ascending pointer value, like std::set<Listener*>.
    ByAddress,
    // The order in which listeners were added.
    ByRegistration
};

// The listener set every observable of the system uses: raw, non-owned
// listener pointers without duplicates, and one notification rule.
//
// notify() takes a snapshot of the set, walks it in order and calls a
// listener only if it is still registered: a listener removed during the
// notification (by itself or another one) is skipped, a listener added during
// it waits for the next notification. An exception thrown by a listener ends
// the notification and propagates.
//
// A listener may destroy the set's owner (a one-shot timer deleting itself, a
// window closing from its key listener): the notification then stops at once
// and never touches the set again, and notify() answers false so that the
// owner's code after it knows not to touch itself either.
//
// The snapshot lives in a small stack buffer when it fits, otherwise in a
// buffer the set keeps for it (grown once, reused by every notification that
// is not nested in another one of the same set); the "still registered?"
// lookup is skipped while nothing has been removed since the snapshot. So a
// notification costs no allocation once the set has settled.
template <typename Listener, ListenerOrder Order = ListenerOrder::ByAddress>
class ListenerSet
{
public:
    // False when the listener was already there, or is null: a null
    // listener is never stored, so a notification never calls through one.
    bool add(Listener* listener)
    {
        if (listener == nullptr)
            return false;
        if constexpr (Order == ListenerOrder::ByAddress)
        {
            auto position = std::lower_bound(m_listeners.begin(), m_listeners.end(), listener, Less());
            if (position != m_listeners.end() && *position == listener)
                return false;
            m_listeners.insert(position, listener);
            return true;
        }
        if (contains(listener))
            return false;
        m_listeners.push_back(listener);
        return true;
    }

    // False when the listener was not there.
    bool remove(Listener* listener)
    {
        auto position = find(listener);
        if (position == m_listeners.end())
            return false;
        m_listeners.erase(position);
        ++m_removals;
        return true;
    }

    // Whether `listener` is in the set.
    bool contains(Listener* listener) const { return find(listener) != m_listeners.end(); }
    // Whether the set has no listener.
    bool empty() const { return m_listeners.empty(); }
    // The number of listeners.
    std::size_t size() const { return m_listeners.size(); }
    // The listeners in notification order.
    const std::vector<Listener*>& listeners() const { return m_listeners; }

    // Calls `call(listener)` for each listener, by the rule above. False when
    // a listener destroyed the set.
    template <typename Call>
    bool notify(Call&& call) const
    {
        if (m_listeners.empty())
            return true;
        Notification notification(*this);
        for (std::size_t i = 0; i < notification.size(); ++i)
        {
            Listener* listener = notification[i];
            if (m_removals != notification.removalsAtStart && !contains(listener))
                continue;
            call(*listener);
            if (notification.setDestroyed())
                return false;
        }
        return true;
    }

private:
    typedef std::less<Listener*> Less;
    typedef typename std::vector<Listener*>::const_iterator ConstIterator;

    ConstIterator find(Listener* listener) const
    {
        if constexpr (Order == ListenerOrder::ByAddress)
        {
            auto position = std::lower_bound(m_listeners.begin(), m_listeners.end(), listener, Less());
            return (position != m_listeners.end() && *position == listener) ? position : m_listeners.end();
        }
        return std::find(m_listeners.begin(), m_listeners.end(), listener);
    }

    // One notification in progress: the snapshot of the listener pointers
    // (on the stack for small sets, else in the set's spare buffer when no
    // other notification holds it, else on the heap) and a watch on the set,
    // so that it leaves the set alone once the set is gone.
    class Notification
    {
    public:
        explicit Notification(const ListenerSet& set)
            : removalsAtStart(set.m_removals), m_watch(set.m_sentinel), m_set(&set), m_size(set.m_listeners.size()),
              m_holdsSpare(false)
        {
            const std::vector<Listener*>& listeners = set.m_listeners;
            if (m_size <= InlineCapacity)
            {
                std::copy(listeners.begin(), listeners.end(), m_inline);
                m_data = m_inline;
                return;
            }
            std::vector<Listener*>* buffer = &m_heap;
            if (!set.m_spareInUse)
            {
                set.m_spareInUse = true;
                m_holdsSpare = true;
                buffer = &set.m_spare;
            }
            buffer->assign(listeners.begin(), listeners.end());
            m_data = buffer->data();
        }
        ~Notification()
        {
            if (m_holdsSpare && !m_watch.destroyed())
                m_set->m_spareInUse = false;
        }
        Notification(const Notification&) = delete;
        Notification& operator=(const Notification&) = delete;

        std::size_t size() const { return m_size; }
        Listener* operator[](std::size_t i) const { return m_data[i]; }
        bool setDestroyed() const { return m_watch.destroyed(); }

        const std::size_t removalsAtStart;

    private:
        static constexpr std::size_t InlineCapacity = 16;
        const DestructionSentinel::Watch m_watch;
        const ListenerSet* m_set;
        Listener* m_inline[InlineCapacity];
        std::vector<Listener*> m_heap;
        std::size_t m_size;
        bool m_holdsSpare;
        Listener* const* m_data;
    };

    std::vector<Listener*> m_listeners;
    mutable std::vector<Listener*> m_spare; // see Notification
    mutable bool m_spareInUse = false;
    std::size_t m_removals = 0;
    DestructionSentinel m_sentinel; // last member: destroyed first
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_LISTENERSET_H
