// The application lock (a stack of the values each level was taken with)
// and the parent lock (a depth).
#include "CallLog.h"
#include "EngineSteps.h"

namespace orvane {
namespace sim {

int appLockDepth() { return static_cast<int>(detail::engine().appLockValues.size()); }

int parentLockDepth() { return detail::engine().parentLockDepth; }

} // namespace sim
} // namespace orvane

using namespace orvane::sim::detail;

extern "C" {

void OrvUtilAppLockStart(Boolean_t implicitMacroRecording)
{
    logCall("OrvUtilAppLockStart", implicitMacroRecording);
    engine().appLockValues.push_back(implicitMacroRecording);
}

void OrvUtilAppLockFinish(void)
{
    logCall("OrvUtilAppLockFinish");
    std::vector<int>& values = engine().appLockValues;
    if (values.empty())
    {
        recordMisuse("OrvUtilAppLockFinish without OrvUtilAppLockStart");
        return;
    }
    values.pop_back();
}

void OrvUtilParentLockStart(Boolean_t shutdownImplicitRecording)
{
    logCall("OrvUtilParentLockStart", shutdownImplicitRecording);
    ++engine().parentLockDepth;
}

void OrvUtilParentLockFinish(void)
{
    logCall("OrvUtilParentLockFinish");
    int& depth = engine().parentLockDepth;
    if (depth == 0)
    {
        recordMisuse("OrvUtilParentLockFinish without OrvUtilParentLockStart");
        return;
    }
    --depth;
}

} // extern "C"
