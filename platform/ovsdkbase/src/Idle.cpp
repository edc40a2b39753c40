// Idle-time work: redraws of damaged pages and the on-idle callback queue.
#include "CallLog.h"
#include "EngineSteps.h"

#include <algorithm>

namespace orvane {
namespace sim {

std::vector<UniqueID_t> pendingRedraws() { return detail::engine().pendingRedraws; }

std::size_t pendingIdleCallbacks() { return detail::engine().idleQueue.size(); }

bool processIdleTasks()
{
    detail::EngineState& state = detail::engine();
    bool ran = false;

    // Only the page on screen is redrawn; damage of other pages is dropped.
    std::vector<UniqueID_t>& damaged = state.pendingRedraws;
    const bool currentDamaged = std::find(damaged.begin(), damaged.end(), state.currentPageId) != damaged.end();
    damaged.clear();
    if (currentDamaged)
    {
        state.interrupted = false;
        drawCurrentPage();
        ran = true;
    }

    // Callbacks queued by these callbacks wait for the next idle time.
    for (std::size_t queued = state.idleQueue.size(); queued > 0 && !state.idleQueue.empty(); --queued)
    {
        const detail::IdleCallback idle = state.idleQueue.front();
        state.idleQueue.pop_front();
        idle.callback(idle.clientData);
        ran = true;
    }
    return ran;
}

} // namespace sim
} // namespace orvane

using namespace orvane::sim::detail;

extern "C" {

void OrvEngPageDamaged(Boolean_t fullDamage, UniqueID_t pageID)
{
    logCall("OrvEngPageDamaged", fullDamage, pageID);
    if (pageById(pageID) == nullptr)
    {
        recordMisuse("OrvEngPageDamaged: unknown page " + std::to_string(pageID));
        return;
    }
    std::vector<UniqueID_t>& pending = engine().pendingRedraws;
    if (std::find(pending.begin(), pending.end(), pageID) == pending.end())
        pending.push_back(pageID);
}

void OrvUtilOnIdleQueueAddCallback(void (*callback)(ArbParam_t clientData), ArbParam_t clientData)
{
    logCall("OrvUtilOnIdleQueueAddCallback", clientData);
    if (callback == nullptr)
    {
        recordMisuse("OrvUtilOnIdleQueueAddCallback: null callback");
        return;
    }
    engine().idleQueue.push_back({callback, clientData});
}

Boolean_t OrvEngProcessTasksOnIdle(void)
{
    logCall("OrvEngProcessTasksOnIdle");
    return orvane::sim::processIdleTasks() ? TRUE : FALSE;
}

} // extern "C"
