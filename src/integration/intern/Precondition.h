#ifndef ORVANE_INTEGRATION_INTERN_PRECONDITION_H
#define ORVANE_INTEGRATION_INTERN_PRECONDITION_H

#include "integration/intern/boundary/Engine.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// Refuses a null argument where the library needs an object, through the
// engine's assertion report (as the engine reports its own contract
// violations); the call then does nothing, so that nothing crashes later.
// True when `pointer` is null.
//
// @errors OrvEngDoOUAssert("Pre-condition", expression, message, function).
template <typename Pointer>
bool refuseNull(const Pointer& pointer, const char* expression, const char* message, const char* function)
{
    if (pointer)
        return false;
    engine::OrvEngDoOUAssert("Pre-condition", expression, message, function);
    return true;
}

// The same for an argument a host may pass before init(): with no engine to
// tell yet, the refusal goes to the diagnostics, with no engine call.
//
// @errors As refuseNull() while the engine is initialised; report
// "argument.null" otherwise.
template <typename Pointer>
bool refuseNullAtAnyTime(const Pointer& pointer, const char* expression, const char* message, const char* function)
{
    if (pointer || engine::isInitialized())
        return refuseNull(pointer, expression, message, function);
    DiagnosticReporter::report(DiagnosticReporter::Kind_NullArgument,
                               std::string(function) + ": " + message + " (" + expression +
                                   "): refused before the engine is initialised.");
    return true;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PRECONDITION_H
