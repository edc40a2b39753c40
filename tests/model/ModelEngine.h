#ifndef ORVANE_TESTS_MODEL_MODELENGINE_H
#define ORVANE_TESTS_MODEL_MODELENGINE_H

#include "ovsdkbase.h"

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

// A model of the engine behind its C interface, defined in the test program
// so that the library's engine calls land here (the program exports its
// symbols). It keeps its own pages and current page, calls the library back
// as an engine does (new current page and state change 50 from inside
// creation and switches, destroy callbacks, render callbacks, the busy
// callback inside long operations) and checks what the library asks of it.
namespace model {

template <typename Callback>
struct Registration
{
    Callback callback = nullptr;
    ArbParam_t clientData = 0;
};

// Every callback the library gave the engine, as the engine keeps it.
struct Callbacks
{
    Registration<PageCreateCallback_pf> pageCreate;
    Registration<PageDestroyCallback_pf> pageDestroy;
    Registration<PageNewCurrentCallback_pf> pageNewCurrent;
    Registration<RenderQueryCallback_pf> renderQuery;
    Registration<RenderDestCallback_pf> renderDest;
    Registration<RenderDestSizeCallback_pf> renderDestSize;
    Registration<SwapBuffersCallback_pf> swapBuffers;
    Registration<ProcessBusyEventsCallback_pf> busyEvents;
    Registration<OffscreenImageCreateCallback_pf> imageCreate;
    Registration<OffscreenImageDestroyCallback_pf> imageDestroy;
    Registration<OffscreenImageGetRGBRowCallback_pf> imageGetRGBRow;
    Registration<BaseCursorStyleCallback_pf> baseCursorStyle;
    Registration<WaitCursorStateCallback_pf> waitCursorState;
    Registration<DialogGetSimpleTextCallback_pf> simpleText;
    Registration<MRULayoutFilenameCallback_pf> mruLayout;
    Registration<DotPitchCallback_pf> dotPitch;
    Registration<ScreenSizeCallback_pf> screenSize;
    Registration<KeyStateCallback_pf> keyState;
    Registration<MouseButtonStateCallback_pf> mouseButtonState;
    Registration<OpenGLVersionStringCallback_pf> openGLVersion;
    Registration<DialogMessageBoxCallback_pf> messageBox;
    Registration<StatusLineCallback_pf> statusLine;
    Registration<ShowRunningCoordinatesCallback_pf> runningCoordinates;
    Registration<SelectRegionCallback_pf> selectRegion;
    Registration<ProgressMonitorCallback_pf> progress;
    Registration<ProgressMonitorStartCallback_pf> progressStart;
    Registration<ProgressMonitorFinishCallback_pf> progressFinish;
    // By dialog number: launch and drop.
    std::map<int, std::pair<Registration<DialogLaunchCallback_pf>, Registration<DialogDropCallback_pf>>> dialogs;
    std::vector<Registration<StateChangeCallback_pf>> stateChanges;
};

Callbacks& callbacks();
// Forgets every registration, as an engine in a fresh process has none.
void forgetCallbacks();

// How far the engine has been brought: calls that need a running engine
// before OrvEngInit or after OrvEngFinalizeShutdown are misuse; after an
// OrvEngInit that failed, only the shutdown calls are expected.
enum Lifecycle
{
    Lifecycle_Off,
    Lifecycle_InitFailed,
    Lifecycle_Running
};

// Answers of the engine that fail, for the next calls (each stays until
// the test changes it).
struct Answers
{
    int initResult = 0;             // OrvEngInit's result
    bool startupFails = false;      // OrvEngStartup answers FALSE
    bool deleteFails = false;       // OrvUtilPageDelete refuses
    bool redrawFails = false;       // OrvUtilRedraw draws nothing, answers FALSE
    bool textAllocFails = false;    // OrvUtilStringAlloc answers null
    bool styleSetFails = false;     // OrvUtilStyleSetString answers Failed
    bool styleGetFails = false;     // OrvUtilStyleGetString finds nothing
    bool styleParamsFail = false;   // inside a state change: no style parameters, no id
    bool idleFails = false;         // OrvEngProcessTasksOnIdle runs nothing
    bool dispatchFails = false;     // OrvUtilDispatchWorkAreaEvent answers FALSE
};

// A work-area event as OrvUtilDispatchWorkAreaEvent receives it.
struct WorkAreaEvent
{
    int x;
    int y;
    int buttonOrKey;
    int kind;
    int shift;
    int alt;
    int control;
    bool operator==(const WorkAreaEvent& other) const
    {
        return std::tie(x, y, buttonOrKey, kind, shift, alt, control) ==
               std::tie(other.x, other.y, other.buttonOrKey, other.kind, other.shift, other.alt, other.control);
    }
    bool operator!=(const WorkAreaEvent& other) const { return !(*this == other); }
};

struct Page
{
    ArbParam_t handle; // the library's client handle
    UniqueID_t id;
};

struct Engine
{
    std::vector<Page> pages; // creation order
    UniqueID_t current = 0;  // 0: none
    int busyDepth = 0;
    bool interrupted = false;
    int appLockDepth = 0;
    int parentLockDepth = 0;
    bool refuseNextPage = false;
    // An engine that never reports its current page with state change 50
    // (so pages never learn their unique id), and one that refuses every
    // other switch the host asks for.
    bool reportsCurrentPage = true;
    bool refusesSwitches = false;
    int switchesAsked = 0; // OrvUtilPageSetCurrentByUniqueID calls
    // Frames begun (screen destinations), and those begun on a page that
    // was deleted before they ended: the engine never ends them.
    int framesBegun = 0;
    int framesDropped = 0;
    // Called before each busy-loop step: the test decides there what the
    // engine does.
    std::function<void()> onBusyStep;
    // Told of each work-area event and of each interrupt query, as they arrive.
    std::function<void(const WorkAreaEvent& event)> onWorkAreaEvent;
    std::function<void()> onInterruptQuery;
    Boolean_t appLockValue = FALSE; // the implicit macro recording of the last application lock taken
    std::function<void(const char* what)> onMisuse;
    // Called when OrvUtilPageDelete is about to delete the page with this
    // client handle.
    std::function<void(ArbParam_t handle)> onHostDeletion;
    Lifecycle lifecycle = Lifecycle_Off;
    Answers answers;
};

Engine& engine();
// Forgets pages, flags, answers and the lifecycle (back to an engine that
// reports and switches and has not been initialised); registrations stay.
void reset();

const Page* currentPage();
const Page* findPage(UniqueID_t id);
const Page* findHandle(ArbParam_t handle);

// The engine acting on its own.
bool requestPage();             // asks the library for a page, as a layout load does
bool deletePage(UniqueID_t id); // deletes a page the engine chose
bool makeCurrent(UniqueID_t id);
bool renderCurrentPage();
// An export through the host's offscreen image service: the image is made,
// read row by row and destroyed; false when any step failed.
bool exportImage(int width, int height);
// A long operation of `steps` busy-loop steps; false when interrupted.
bool runBusyOperation(int steps);
// A style change naming the current page, as a rename from a macro does.
void changeCurrentPageName(const std::string& name);
// A state change with `code`, its style parameters (1-based) and object id.
void fireStateChange(int code, const std::vector<std::string>& styleParams, UniqueID_t uniqueId);
// Runs the on-idle callbacks queued so far, as the engine's own idle
// processing does.
void runIdleTasks();

} // namespace model

#endif // ORVANE_TESTS_MODEL_MODELENGINE_H
