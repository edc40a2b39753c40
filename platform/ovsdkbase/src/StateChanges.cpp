// State-change callbacks and the firing of state changes to them.
#include "CallLog.h"
#include "EngineSteps.h"

#include <algorithm>
#include <deque>

namespace orvane {
namespace sim {
namespace {

struct StateChangeRegistration
{
    StateChangeCallback_pf callback;
    ArbParam_t clientData;

    bool operator==(const StateChangeRegistration& other) const
    {
        return callback == other.callback && clientData == other.clientData;
    }
};

struct StateChangeEvent
{
    int code;
    const std::vector<std::string>* styleParams;
    UniqueID_t uniqueId;
};

// Kept apart from the engine state that reset() renews: a reset() made from
// inside a callback must not pull the snapshot from under the firing that
// runs it (reset() forgets the registrations, not the snapshots).
struct StateChangeRegistry
{
    std::vector<StateChangeRegistration> callbacks;
    unsigned long long removals = 0; // grows with every removal
    const StateChangeEvent* current = nullptr;
    // One snapshot buffer per nesting depth, reused from firing to firing
    // (a deque, so that a nested firing adding a level moves no buffer).
    std::deque<std::vector<StateChangeRegistration>> snapshots;
    std::size_t depth = 0;
};

StateChangeRegistry& registry()
{
    static StateChangeRegistry* const instance = new StateChangeRegistry;
    return *instance;
}

bool isRegistered(const StateChangeRegistration& registration)
{
    const std::vector<StateChangeRegistration>& callbacks = registry().callbacks;
    return std::find(callbacks.begin(), callbacks.end(), registration) != callbacks.end();
}

// Makes `event` the one the query functions answer about for the lifetime
// of the object, and gives the firing its snapshot buffer.
class FiringScope
{
public:
    explicit FiringScope(const StateChangeEvent& event) : m_registry(registry()), m_saved(m_registry.current)
    {
        m_registry.current = &event;
        if (m_registry.snapshots.size() <= m_registry.depth)
            m_registry.snapshots.emplace_back();
        ++m_registry.depth;
    }
    ~FiringScope()
    {
        --m_registry.depth;
        m_registry.current = m_saved;
    }
    FiringScope(const FiringScope&) = delete;
    FiringScope& operator=(const FiringScope&) = delete;

    std::vector<StateChangeRegistration>& snapshot() { return m_registry.snapshots[m_registry.depth - 1]; }

private:
    StateChangeRegistry& m_registry;
    const StateChangeEvent* m_saved;
};

} // namespace

namespace detail {

void forgetStateChangeCallbacks()
{
    registry().callbacks.clear();
    ++registry().removals;
}

} // namespace detail

void fireStateChange(int code, const std::vector<std::string>& styleParams, UniqueID_t uniqueId)
{
    const StateChangeEvent event{code, &styleParams, uniqueId};
    FiringScope scope(event);
    std::vector<StateChangeRegistration>& snapshot = scope.snapshot();
    snapshot.assign(registry().callbacks.begin(), registry().callbacks.end());
    const unsigned long long removalsAtStart = registry().removals;
    for (const StateChangeRegistration& registration : snapshot)
    {
        // Callbacks removed meanwhile are skipped; those added wait.
        if (registry().removals == removalsAtStart || isRegistered(registration))
            registration.callback(code, registration.clientData);
    }
}

} // namespace sim
} // namespace orvane

using namespace orvane::sim;
using namespace orvane::sim::detail;

extern "C" {

Boolean_t OrvUtilStateChangeAddCallback(void (*callback)(int stateChange, ArbParam_t clientData), ArbParam_t clientData)
{
    logCall("OrvUtilStateChangeAddCallback", clientData);
    if (callback == nullptr)
    {
        recordMisuse("OrvUtilStateChangeAddCallback: null callback");
        return FALSE;
    }
    const StateChangeRegistration registration{callback, clientData};
    if (isRegistered(registration))
        return FALSE;
    registry().callbacks.push_back(registration);
    return TRUE;
}

Boolean_t OrvUtilStateChangeRemoveCallback(void (*callback)(int stateChange, ArbParam_t clientData), ArbParam_t clientData)
{
    logCall("OrvUtilStateChangeRemoveCallback", clientData);
    std::vector<StateChangeRegistration>& callbacks = registry().callbacks;
    const auto found = std::find(callbacks.begin(), callbacks.end(), StateChangeRegistration{callback, clientData});
    if (found == callbacks.end())
        return FALSE;
    callbacks.erase(found);
    ++registry().removals;
    return TRUE;
}

Boolean_t OrvUtilStateChangeGetStyleParam(int param, const char** value)
{
    logCall("OrvUtilStateChangeGetStyleParam", param);
    const StateChangeEvent* event = registry().current;
    if (value == nullptr)
    {
        recordMisuse("OrvUtilStateChangeGetStyleParam: null value pointer");
        return FALSE;
    }
    if (event == nullptr || param < 1 || static_cast<std::size_t>(param) > event->styleParams->size())
        return FALSE;
    *value = (*event->styleParams)[static_cast<std::size_t>(param - 1)].c_str();
    return TRUE;
}

Boolean_t OrvUtilStateChangeGetUniqueID(UniqueID_t* id)
{
    logCall("OrvUtilStateChangeGetUniqueID");
    const StateChangeEvent* event = registry().current;
    if (id == nullptr)
    {
        recordMisuse("OrvUtilStateChangeGetUniqueID: null id pointer");
        return FALSE;
    }
    if (event == nullptr)
        return FALSE;
    *id = event->uniqueId;
    return TRUE;
}

} // extern "C"
