#ifndef ORVANE_INTEGRATION_INTERN_PRECONDITION_H
#define ORVANE_INTEGRATION_INTERN_PRECONDITION_H

#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// Reports a null argument where the library needs an object, through the
// engine's assertion report (as the engine reports its own contract
// violations); the call then does nothing, so that nothing crashes later.
// True when `pointer` is null.
//
// @errors Reports to the engine with OrvEngDoOUAssert("Pre-condition",
// expression, message, function).
template <typename Pointer>
bool refuseNull(const Pointer& pointer, const char* expression, const char* message, const char* function)
{
    if (pointer)
        return false;
    OrvEngDoOUAssert("Pre-condition", expression, message, function);
    return true;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PRECONDITION_H
