// Start-up and shutdown of the engine, its command line and help text.
#include "CallLog.h"
#include "EngineSteps.h"

namespace orvane {
namespace sim {
namespace {

const int StateChange_QuitStarted = 15;

bool isOption(const std::string& argument, const char* lower, const char* upper)
{
    return argument == lower || argument == upper;
}

// The engine reads "-b"/"-B" (batch mode) and "-h"/"-H" <dir> (home
// directory) itself; every other argument is kept but means nothing here.
void readCommandLine(detail::Lifecycle& lifecycle)
{
    const std::vector<std::string>& arguments = lifecycle.arguments;
    for (std::size_t index = 1; index < arguments.size(); ++index)
    {
        if (isOption(arguments[index], "-b", "-B"))
            lifecycle.batchMode = true;
        else if (isOption(arguments[index], "-h", "-H") && index + 1 < arguments.size())
            lifecycle.homeDirectory = arguments[++index];
    }
}

} // namespace

bool isInitialized() { return detail::engine().lifecycle.initialized; }
bool isShutdownFinished() { return detail::engine().lifecycle.shutdownFinished; }
std::vector<std::string> initArguments() { return detail::engine().lifecycle.arguments; }
std::string homeDirectory() { return detail::engine().lifecycle.homeDirectory; }
StateModernizationLevel_e initLevel() { return detail::engine().lifecycle.level; }

} // namespace sim
} // namespace orvane

using namespace orvane::sim;
using namespace orvane::sim::detail;

extern "C" {

int OrvEngInit(int argc, char** argv, StateModernizationLevel_e level)
{
    Lifecycle& lifecycle = engine().lifecycle;
    lifecycle.arguments.clear();
    for (int index = 0; argv != nullptr && index < argc; ++index)
        lifecycle.arguments.push_back(argumentText(argv[index]));
    // The log shows the argument count, every argument, then the level.
    std::vector<std::string> logged{argumentText(argc)};
    logged.insert(logged.end(), lifecycle.arguments.begin(), lifecycle.arguments.end());
    logged.push_back(argumentText(level));
    logCallWithTexts("OrvEngInit", std::move(logged));

    lifecycle.batchMode = false;
    lifecycle.homeDirectory.clear();
    readCommandLine(lifecycle);
    lifecycle.level = level;
    const int result = engine().knobs.initResult;
    lifecycle.initialized = result == 0;
    if (lifecycle.initialized)
        lifecycle.shutdownFinished = false;
    return result;
}

Boolean_t OrvEngStartup(void)
{
    logCall("OrvEngStartup");
    return TRUE;
}

void OrvEngInitiateShutdown(Boolean_t force)
{
    logCall("OrvEngInitiateShutdown", force);
    // An engine that never initialised has nothing to quit and says nothing.
    if (engine().lifecycle.initialized)
        fireStateChange(StateChange_QuitStarted);
}

void OrvEngFinalizeShutdown(void)
{
    logCall("OrvEngFinalizeShutdown");
    destroyAllPages();
    // Idle work queued before the shutdown never runs: its callers are gone.
    engine().idleQueue.clear();
    engine().pendingRedraws.clear();
    Lifecycle& lifecycle = engine().lifecycle;
    lifecycle.shutdownFinished = true;
    lifecycle.initialized = false;
}

Boolean_t OrvEngGetHelpAbout(char** text)
{
    logCall("OrvEngGetHelpAbout");
    if (text == nullptr)
    {
        recordMisuse("OrvEngGetHelpAbout: null text pointer");
        return FALSE;
    }
    if (!engine().knobs.hasHelpText)
        return FALSE;
    *text = copyText(engine().knobs.helpText);
    return *text != nullptr ? TRUE : FALSE;
}

Boolean_t OrvUtilMacroIsBatchModeActive(void)
{
    logCall("OrvUtilMacroIsBatchModeActive");
    return engine().lifecycle.batchMode ? TRUE : FALSE;
}

void OrvUtilDialogErrMsg(const char* message)
{
    logCall("OrvUtilDialogErrMsg", message);
    engine().errorMessages.push_back(argumentText(message));
}

void OrvEngDoOUAssert(const char* kind, const char* expression, const char* message, const char* function)
{
    logCall("OrvEngDoOUAssert", kind, expression, message, function);
    engine().assertions.push_back(
        {argumentText(kind), argumentText(expression), argumentText(message), argumentText(function)});
}

} // extern "C"
