// The one state of the simulated engine, shared by every area of it.
//
// The state lives on the heap and is never destroyed: other libraries'
// static destructors may still call the engine while the process exits.
#ifndef OVSDKBASE_ENGINESTATE_H
#define OVSDKBASE_ENGINESTATE_H

#include "ovsdkbase.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

// An engine string list: the page-creation arguments, for example.
struct _StringList_s
{
    std::vector<std::string> items;
};

namespace orvane {
namespace sim {
namespace detail {

struct Knobs
{
    int initResult = 0;
    bool hasHelpText = true;
    std::string helpText = "Orvane Simulated Engine 1.0";
    bool pageCreateOk = true;
    SetValueReturnCode_e styleSetResult = SetValueReturnCode_Ok;
    bool processingLayout = false;
    bool stringAllocFails = false;
    bool busy = false;
    int frameBusySteps = 0;
    int busyStepMilliseconds = 0;
    bool minimalCallbacks = false;
};

struct Lifecycle
{
    bool initialized = false;
    bool shutdownFinished = false;
    bool batchMode = false;
    std::vector<std::string> arguments;
    std::string homeDirectory;
    StateModernizationLevel_e level = StateModernizationLevel_Legacy;
};

struct DialogRegistration
{
    DialogLaunchCallback_pf launch = nullptr;
    DialogDropCallback_pf drop = nullptr;
    ArbParam_t clientData = 0;
};

struct IdleCallback
{
    OnIdleCallback_pf callback;
    ArbParam_t clientData;
};

// What the work area remembers between events: where the pointer was at
// the last press or drag, and the rectangle of a shift-drag selection.
struct WorkAreaGesture
{
    int lastX = 0;
    int lastY = 0;
    bool selecting = false;
    int selectFromX = 0;
    int selectFromY = 0;
};

struct EngineState
{
    std::vector<EngineCall> calls;
    std::vector<std::string> misuses;
    Knobs knobs;
    Lifecycle lifecycle;
    Callbacks callbacks;
    std::map<int, DialogRegistration> dialogs;

    std::vector<int> appLockValues; // innermost last
    int parentLockDepth = 0;

    std::unordered_set<char*> texts; // handed out, not yet released

    std::vector<PageState> pages; // creation order
    UniqueID_t nextPageId = 1;
    UniqueID_t currentPageId = 0;
    std::vector<UniqueID_t> pagesBeingDeleted; // inside their destroy callback
    int hostCallDepth = 0;                      // inside the host's page calls
    std::deque<std::function<void()>> pendingCallbacks; // minimal callbacks
    std::vector<UniqueID_t> pendingRedraws;
    PageDrawer drawer;

    std::deque<IdleCallback> idleQueue;
    int busyOperations = 0; // running busy operations (they may nest)
    int busyFrames = 0;     // frames inside their busy steps
    bool interrupted = false;

    std::vector<WorkAreaEvent> workAreaEvents;
    WorkAreaGesture gesture;
    std::vector<Assertion> assertions;
    std::vector<std::string> errorMessages;
};

EngineState& engine();

void recordMisuse(const std::string& what);

} // namespace detail
} // namespace sim
} // namespace orvane

#endif // OVSDKBASE_ENGINESTATE_H
