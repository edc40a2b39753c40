#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

#include <algorithm>
#include <vector>

namespace orvane {
namespace sdk {
namespace ui {
namespace common {

namespace {

// The pending actions, oldest first, and the host's scheduler. Both live for
// the whole process (never destroyed, so that actions deleted during static
// destruction still find them).
struct IdleQueue
{
    std::vector<OnIdleActionPerformerSingleShot*> pending; // creation order
    unsigned long long nextSequence = 0;
    IdleActionScheduler* scheduler = nullptr;
    int processing = 0; // processIdleActions() calls running
};

IdleQueue& idleQueue()
{
    static IdleQueue* queue = new IdleQueue;
    return *queue;
}

void forget(OnIdleActionPerformerSingleShot* action)
{
    std::vector<OnIdleActionPerformerSingleShot*>& pending = idleQueue().pending;
    pending.erase(std::remove(pending.begin(), pending.end(), action), pending.end());
}

} // namespace

OnIdleActionPerformerSingleShot::OnIdleActionPerformerSingleShot(const boost::function<void()>& action)
    : m_action(action), m_pending(true), m_sequence(idleQueue().nextSequence++)
{
    IdleQueue& queue = idleQueue();
    const bool wasIdle = queue.pending.empty();
    queue.pending.push_back(this);
    // While actions run, the scheduler is asked once at the end instead.
    if (wasIdle && queue.scheduler && queue.processing == 0)
        queue.scheduler->scheduleIdleProcessing();
}

OnIdleActionPerformerSingleShot::~OnIdleActionPerformerSingleShot()
{
    if (m_pending)
        forget(this);
}

bool OnIdleActionPerformerSingleShot::isPending() const { return m_pending; }

void OnIdleActionPerformerSingleShot::run()
{
    m_pending = false;
    // The action may delete this object (its owner replaces or drops it), so
    // it runs from a copy and nothing of this object is touched afterwards.
    const boost::function<void()> action = m_action;
    if (action)
        action();
}

std::size_t processIdleActions()
{
    // Actions made from now on (by the actions that run) wait for the next
    // call; actions deleted meanwhile have left the queue and never run.
    IdleQueue& queue = idleQueue();
    const unsigned long long limit = queue.nextSequence;
    std::size_t ran = 0;
    // Whatever is left pending afterwards (also when an action throws) needs
    // another idle time, so the scheduler is asked again.
    struct Processing
    {
        IdleQueue& queue;
        explicit Processing(IdleQueue& q) : queue(q) { ++queue.processing; }
        ~Processing()
        {
            if (--queue.processing == 0 && !queue.pending.empty() && queue.scheduler)
                queue.scheduler->scheduleIdleProcessing();
        }
    } processing(queue);
    while (!queue.pending.empty() && queue.pending.front()->m_sequence < limit)
    {
        OnIdleActionPerformerSingleShot* action = queue.pending.front();
        queue.pending.erase(queue.pending.begin());
        action->run();
        ++ran;
    }
    return ran;
}

std::size_t pendingIdleActions() { return idleQueue().pending.size(); }

IdleActionScheduler::~IdleActionScheduler() = default;

IdleActionScheduler* setIdleActionScheduler(IdleActionScheduler* scheduler)
{
    IdleQueue& queue = idleQueue();
    IdleActionScheduler* previous = queue.scheduler;
    queue.scheduler = scheduler;
    if (scheduler && !queue.pending.empty())
        scheduler->scheduleIdleProcessing();
    return previous;
}

} // namespace common
} // namespace ui
} // namespace sdk
} // namespace orvane
