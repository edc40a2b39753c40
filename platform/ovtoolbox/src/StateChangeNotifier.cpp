#include "ovtoolbox/StateChangeNotifier.h"

#include "ovexception/OutOfMemoryException.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <new>

namespace orvane {
namespace toolbox {

namespace {

// The event of one engine state change: the code is known at once, the style
// parameters and unique id are read from the engine when asked, which is
// only valid inside the engine's callback.
class EngineStateChangeEvent : public StateChangeEventInterface
{
public:
    explicit EngineStateChangeEvent(int stateChange) : m_stateChange(stateChange) {}

    int getStateChange() const override { return m_stateChange; }

    std::string getStyleParameter(int index) const override
    {
        const char* value = nullptr;
        if (OrvUtilStateChangeGetStyleParam(index, &value) == TRUE && value != nullptr)
            return value;
        return std::string();
    }

    UniqueID_t getStyleUniqueID() const override
    {
        UniqueID_t id = 0;
        return OrvUtilStateChangeGetUniqueID(&id) == TRUE ? id : 0;
    }

private:
    int m_stateChange;
};

// The listener snapshots of the deliveries in progress, one buffer per
// nesting level, kept from one delivery to the next so that delivering an
// event allocates nothing once the buffers have grown. Shared by every
// notifier (all run on one thread); never destroyed, as notifiers may still
// deliver during static destruction.
class SnapshotBuffers
{
public:
    // Borrows the next level's buffer for the lifetime of the object.
    class Lease
    {
    public:
        Lease() : m_pool(pool())
        {
            if (m_pool.buffers.size() <= m_pool.depth)
                m_pool.buffers.emplace_back();
            m_buffer = &m_pool.buffers[m_pool.depth++];
        }
        ~Lease() { --m_pool.depth; }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;

        std::vector<StateChangeListenerInterface*>& buffer() { return *m_buffer; }

    private:
        SnapshotBuffers& m_pool;
        std::vector<StateChangeListenerInterface*>* m_buffer;
    };

private:
    static SnapshotBuffers& pool()
    {
        static SnapshotBuffers* const instance = new SnapshotBuffers;
        return *instance;
    }

    std::deque<std::vector<StateChangeListenerInterface*>> buffers; // a deque: growing moves no buffer
    std::size_t depth = 0;
};

bool isValidMode(StateChangeMode_e mode)
{
    return mode >= StateChangeMode_Off && mode <= StateChangeMode_DeliverUnderParentLock;
}

} // namespace

StateChangeEventInterface::~StateChangeEventInterface() = default;
StateChangeListenerInterface::~StateChangeListenerInterface() = default;

StateChangeNotifier::StateChangeNotifier(StateChangeMode_e mode)
    : m_mode(isValidMode(mode) ? mode : StateChangeMode_Deliver), m_registered(false), m_removals(0)
{
}

StateChangeNotifier::~StateChangeNotifier()
{
    if (m_registered)
        OrvUtilStateChangeRemoveCallback(&StateChangeNotifier::engineStateChangeCallback,
                                         reinterpret_cast<ArbParam_t>(this));
}

bool StateChangeNotifier::isHeard() const { return !m_listeners.empty() || !signalStateChanged.empty(); }

void StateChangeNotifier::registerWithEngine()
{
    const ArbParam_t self = reinterpret_cast<ArbParam_t>(this);
    // An engine reset since the last registration has forgotten it; one
    // that was not keeps it, and must not deliver twice.
    if (m_registered)
        OrvUtilStateChangeRemoveCallback(&StateChangeNotifier::engineStateChangeCallback, self);
    OrvUtilStateChangeAddCallback(&StateChangeNotifier::engineStateChangeCallback, self);
    m_registered = true;
}

void StateChangeNotifier::addListener(StateChangeListenerInterface* listener)
{
    if (listener == nullptr)
        return;
    auto position = std::lower_bound(m_listeners.begin(), m_listeners.end(), listener,
                                     std::less<StateChangeListenerInterface*>());
    if (position != m_listeners.end() && *position == listener)
        return;
    const bool first = !isHeard();
    try
    {
        m_listeners.insert(position, listener);
    }
    catch (const std::bad_alloc&)
    {
        throw OutOfMemoryException("Failed to allocate memory for the state change listener.");
    }
    if (first)
        registerWithEngine();
}

void StateChangeNotifier::signalStateChangedConnected() const {}

void StateChangeNotifier::removeListener(StateChangeListenerInterface* listener)
{
    auto position = std::lower_bound(m_listeners.begin(), m_listeners.end(), listener,
                                     std::less<StateChangeListenerInterface*>());
    if (position == m_listeners.end() || *position != listener)
        return;
    m_listeners.erase(position);
    ++m_removals;
}

bool StateChangeNotifier::isListening(StateChangeListenerInterface* listener)
{
    return std::binary_search(m_listeners.begin(), m_listeners.end(), listener,
                              std::less<StateChangeListenerInterface*>());
}

bool StateChangeNotifier::setMode(StateChangeMode_e mode)
{
    if (!isValidMode(mode))
        return false;
    m_mode = mode;
    return true;
}

StateChangeMode_e StateChangeNotifier::mode() const { return m_mode; }

boost::signals2::connection StateChangeNotifier::connectStateChanged(const StateChangedSignal::slot_type& slot)
{
    const bool first = !isHeard();
    boost::signals2::connection connection = signalStateChanged.connect(slot, boost::signals2::at_back);
    if (first)
        registerWithEngine();
    signalStateChangedConnected();
    return connection;
}

void StateChangeNotifier::lockStart(bool) {}

void StateChangeNotifier::lockFinish() {}

void StateChangeNotifier::onStateChanged(const StateChangeEventInterface& event)
{
    // Listeners are walked from a copy: they may detach themselves (or
    // others) while they are told, and those removed are skipped.
    SnapshotBuffers::Lease lease;
    std::vector<StateChangeListenerInterface*>& snapshot = lease.buffer();
    snapshot.assign(m_listeners.begin(), m_listeners.end());
    const std::size_t removalsAtStart = m_removals;
    for (StateChangeListenerInterface* listener : snapshot)
    {
        if (m_removals == removalsAtStart || isListening(listener))
            listener->stateChanged(event, *this);
    }
    signalStateChanged(event);
}

void StateChangeNotifier::engineStateChangeCallback(int stateChange, ArbParam_t clientData)
{
    reinterpret_cast<StateChangeNotifier*>(clientData)->deliver(stateChange);
}

void StateChangeNotifier::deliver(int stateChange)
{
    if ((m_mode & StateChangeMode_Deliver) == 0)
        return;
    const EngineStateChangeEvent event(stateChange);
    if ((m_mode & StateChangeMode_ParentLockOnly) == 0)
    {
        onStateChanged(event);
        return;
    }
    // The parent lock is released also when a listener throws.
    struct ParentLock
    {
        StateChangeNotifier& notifier;
        explicit ParentLock(StateChangeNotifier& n) : notifier(n) { notifier.lockStart(false); }
        ~ParentLock() { notifier.lockFinish(); }
    } lock(*this);
    onStateChanged(event);
}

} // namespace toolbox
} // namespace orvane
