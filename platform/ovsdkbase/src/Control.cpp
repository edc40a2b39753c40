// Reset and the knobs that set the answers of engine functions.
#include "EngineSteps.h"

namespace orvane {
namespace sim {

void reset()
{
    detail::forgetTexts();
    detail::forgetStateChangeCallbacks();
    detail::engine() = detail::EngineState();
}

void setInitResult(int result) { detail::engine().knobs.initResult = result; }

void setHelpAboutText(const char* text)
{
    detail::Knobs& knobs = detail::engine().knobs;
    knobs.hasHelpText = text != nullptr;
    knobs.helpText = text != nullptr ? text : "";
}

void setPageCreateResult(bool ok) { detail::engine().knobs.pageCreateOk = ok; }
void setStyleSetResult(SetValueReturnCode_e result) { detail::engine().knobs.styleSetResult = result; }
void setProcessingLayout(bool processing) { detail::engine().knobs.processingLayout = processing; }
void setStringAllocFails(bool fails) { detail::engine().knobs.stringAllocFails = fails; }
void setBusy(bool busy) { detail::engine().knobs.busy = busy; }
void setInterruptFlag(bool set) { detail::engine().interrupted = set; }
void setFrameBusySteps(int steps) { detail::engine().knobs.frameBusySteps = steps; }
void setBusyStepMilliseconds(int milliseconds) { detail::engine().knobs.busyStepMilliseconds = milliseconds; }
void setMinimalCallbacks(bool minimal) { detail::engine().knobs.minimalCallbacks = minimal; }

const std::vector<Assertion>& assertions() { return detail::engine().assertions; }
const std::vector<std::string>& errorMessages() { return detail::engine().errorMessages; }

} // namespace sim
} // namespace orvane
