#ifndef ORVANE_UTIL_LISTENERSET_H
#define ORVANE_UTIL_LISTENERSET_H

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace orvane {
namespace sdk {
namespace util {

enum class ListenerOrder
{
    ByAddress,     // ascending pointer value, like std::set<Listener*>
    ByRegistration // the order in which listeners were added
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

    bool contains(Listener* listener) const { return find(listener) != m_listeners.end(); }
    bool empty() const { return m_listeners.empty(); }
    std::size_t size() const { return m_listeners.size(); }
    // The listeners in notification order.
    const std::vector<Listener*>& listeners() const { return m_listeners; }

    // Calls `call(listener)` for each listener, by the rule above.
    template <typename Call>
    void notify(Call&& call) const
    {
        const Snapshot snapshot(m_listeners, m_spare, m_spareInUse);
        const std::size_t removalsAtStart = m_removals;
        for (std::size_t i = 0; i < snapshot.size(); ++i)
        {
            Listener* listener = snapshot[i];
            if (m_removals != removalsAtStart && !contains(listener))
                continue;
            call(*listener);
        }
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

    // A copy of the listener pointers: on the stack for small sets, else in
    // the set's spare buffer when no other notification holds it, else on
    // the heap.
    class Snapshot
    {
    public:
        Snapshot(const std::vector<Listener*>& listeners, std::vector<Listener*>& spare, bool& spareInUse)
            : m_size(listeners.size()), m_spareInUse(nullptr)
        {
            if (m_size <= InlineCapacity)
            {
                std::copy(listeners.begin(), listeners.end(), m_inline);
                m_data = m_inline;
                return;
            }
            std::vector<Listener*>* buffer = &m_heap;
            if (!spareInUse)
            {
                spareInUse = true;
                m_spareInUse = &spareInUse;
                buffer = &spare;
            }
            buffer->assign(listeners.begin(), listeners.end());
            m_data = buffer->data();
        }
        ~Snapshot()
        {
            if (m_spareInUse != nullptr)
                *m_spareInUse = false;
        }
        Snapshot(const Snapshot&) = delete;
        Snapshot& operator=(const Snapshot&) = delete;

        std::size_t size() const { return m_size; }
        Listener* operator[](std::size_t i) const { return m_data[i]; }

    private:
        static constexpr std::size_t InlineCapacity = 16;
        Listener* m_inline[InlineCapacity];
        std::vector<Listener*> m_heap;
        std::size_t m_size;
        bool* m_spareInUse; // set when this snapshot holds the set's spare buffer
        Listener* const* m_data;
    };

    std::vector<Listener*> m_listeners;
    mutable std::vector<Listener*> m_spare; // see Snapshot
    mutable bool m_spareInUse = false;
    std::size_t m_removals = 0;
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_LISTENERSET_H
