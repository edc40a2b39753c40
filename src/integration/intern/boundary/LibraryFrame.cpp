#include "integration/intern/boundary/LibraryFrame.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

struct Deferred
{
    const void* owner;
    std::function<void()> action;
};

thread_local std::vector<Deferred> t_deferred;

} // namespace

thread_local int LibraryFrame::t_depth = 0;
thread_local bool LibraryFrame::t_deferring = false;

void LibraryFrame::runDeferred()
{
    // An action may defer more; each runs outside every frame.
    while (!t_deferred.empty())
    {
        std::vector<Deferred> actions;
        actions.swap(t_deferred);
        for (Deferred& deferred : actions)
        {
            try
            {
                deferred.action();
            }
            catch (...)
            {
            }
        }
    }
    t_deferring = false;
}

bool LibraryFrame::isNested() { return t_depth > 1; }

void LibraryFrame::afterOutermost(const void* owner, std::function<void()> action)
{
    if (t_depth > 0)
    {
        t_deferred.push_back(Deferred{owner, std::move(action)});
        t_deferring = true;
        return;
    }
    action();
}

void LibraryFrame::cancel(const void* owner)
{
    t_deferred.erase(std::remove_if(t_deferred.begin(), t_deferred.end(),
                                    [owner](const Deferred& deferred) { return deferred.owner == owner; }),
                     t_deferred.end());
    t_deferring = !t_deferred.empty();
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
