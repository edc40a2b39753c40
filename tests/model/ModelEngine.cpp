// The model engine's C interface. Every engine function the library and its
// sibling libraries call is defined here, so the simulated engine is never
// reached; service and dialog registrations are accepted and unused.
#include "model/ModelEngine.h"

#include "util/FirstException.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>

namespace model {
namespace {

struct StateChange
{
    int code;
    std::vector<std::string> styleParams;
    UniqueID_t uniqueId;
};

// The registrations outlive reset(): the library registers its callbacks
// once per manager, the state-change relay and the services once per
// process.
struct Registrations : Callbacks
{
    const StateChange* firing = nullptr;
};

Registrations& registrations()
{
    static Registrations* const instance = new Registrations;
    return *instance;
}

struct Private
{
    UniqueID_t nextId = 1;
    bool finalizing = false; // inside OrvEngFinalizeShutdown
    std::vector<Registration<OnIdleCallback_pf>> idleQueue;
    std::map<std::tuple<UniqueID_t, std::string, std::string>, std::string> styles;
};

Private& state()
{
    static Private* instance = new Private;
    return *instance;
}

void misuse(const std::string& what)
{
    if (engine().onMisuse)
        engine().onMisuse(what.c_str());
}

// Calls that need an engine initialised and not shut down.
void requireRunning(const char* function)
{
    if (engine().lifecycle != Lifecycle_Running)
        misuse(std::string(function) + (engine().lifecycle == Lifecycle_Off ? " before OrvEngInit or after shutdown"
                                                                           : " after OrvEngInit failed"));
}

void requireAppLock(const char* function)
{
    if (engine().appLockDepth == 0)
        misuse(std::string(function) + " outside the application lock");
}

// The engine's callbacks into the library keep the host's first exception
// (util::FirstException), so that the engine finishes what it was doing
// before it passes the exception on (its state stays whole).
using orvane::sdk::util::FirstException;

void deliverStateChange(const StateChange& change)
{
    Registrations& all = registrations();
    const StateChange* const outer = all.firing;
    all.firing = &change;
    FirstException failure;
    const std::vector<Registration<StateChangeCallback_pf>> snapshot = all.stateChanges;
    for (const auto& registration : snapshot)
        failure.run([&] { registration.callback(change.code, registration.clientData); });
    all.firing = outer;
    failure.rethrow();
}

void makeCurrentNow(const Page& page)
{
    engine().current = page.id;
    FirstException failure;
    const auto& newCurrent = registrations().pageNewCurrent;
    if (newCurrent.callback != nullptr)
        failure.run([&] { newCurrent.callback(page.handle, newCurrent.clientData); });
    if (engine().reportsCurrentPage)
        failure.run([] { deliverStateChange(StateChange{50, {}, 0}); });
    failure.rethrow();
}

std::vector<Page>::iterator pageIterator(UniqueID_t id)
{
    std::vector<Page>& pages = engine().pages;
    return std::find_if(pages.begin(), pages.end(), [id](const Page& page) { return page.id == id; });
}

bool destroyPage(UniqueID_t id)
{
    auto page = pageIterator(id);
    if (page == engine().pages.end())
        return false;
    const Page gone = *page;
    // The library hears of it while the page is still the engine's.
    FirstException failure;
    const auto& destroy = registrations().pageDestroy;
    if (destroy.callback != nullptr)
        failure.run([&] { destroy.callback(gone.handle, destroy.clientData); });
    // (Gone already when the library deleted the page again meanwhile.)
    const auto position = pageIterator(id);
    if (position != engine().pages.end())
        engine().pages.erase(position);
    if (engine().current == id)
    {
        engine().current = 0;
        if (!engine().pages.empty())
            failure.run([] { makeCurrentNow(engine().pages.back()); });
    }
    failure.rethrow();
    return true;
}

char* copyText(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

Engine& engine()
{
    static Engine* const instance = new Engine;
    return *instance;
}

Callbacks& callbacks() { return registrations(); }

void forgetCallbacks() { registrations() = Registrations(); }

void fireStateChange(int code, const std::vector<std::string>& styleParams, UniqueID_t uniqueId)
{
    deliverStateChange(StateChange{code, styleParams, uniqueId});
}

void runIdleTasks()
{
    std::vector<Registration<OnIdleCallback_pf>> due;
    due.swap(state().idleQueue);
    FirstException failure;
    for (const auto& task : due)
        failure.run([&] { task.callback(task.clientData); });
    failure.rethrow();
}

void reset()
{
    Engine& e = engine();
    std::vector<Page>().swap(e.pages);
    e.current = 0;
    e.busyDepth = 0;
    e.interrupted = false;
    e.refuseNextPage = false;
    e.reportsCurrentPage = true;
    e.refusesSwitches = false;
    e.switchesAsked = 0;
    e.framesBegun = 0;
    e.framesDropped = 0;
    e.lifecycle = Lifecycle_Off;
    e.answers = Answers();
    state() = Private();
}

const Page* findPage(UniqueID_t id)
{
    auto page = pageIterator(id);
    return page != engine().pages.end() ? &*page : nullptr;
}

const Page* currentPage() { return findPage(engine().current); }

const Page* findHandle(ArbParam_t handle)
{
    for (const Page& page : engine().pages)
        if (page.handle == handle)
            return &page;
    return nullptr;
}

bool requestPage()
{
    const auto& create = registrations().pageCreate;
    return create.callback != nullptr && create.callback(nullptr, create.clientData) == TRUE;
}

bool deletePage(UniqueID_t id) { return destroyPage(id); }

bool makeCurrent(UniqueID_t id)
{
    const Page* page = findPage(id);
    if (page == nullptr)
        return false;
    if (engine().current != id)
        makeCurrentNow(*page);
    return true;
}

bool renderCurrentPage()
{
    const Page* page = currentPage();
    const Registrations& all = registrations();
    if (page == nullptr || all.renderQuery.callback == nullptr)
        return false;
    const ArbParam_t handle = page->handle;
    if (all.renderQuery.callback(handle, all.renderQuery.clientData) != TRUE)
        return false;
    int width = 0;
    int height = 0;
    all.renderDestSize.callback(handle, all.renderDestSize.clientData, &width, &height);
    if (width < 1 || height < 1)
        misuse("a destination smaller than 1 x 1");
    ++engine().framesBegun;
    if (all.renderDest.callback(1, handle, all.renderDest.clientData) != TRUE)
        return false;
    // Drawing takes a while: the host stays responsive meanwhile.
    runBusyOperation(1);
    // A page deleted meanwhile is dropped: its handle is never passed again.
    if (findHandle(handle) == nullptr)
    {
        ++engine().framesDropped;
        return false;
    }
    all.renderDest.callback(0, handle, all.renderDest.clientData);
    all.swapBuffers.callback(handle, all.swapBuffers.clientData);
    return true;
}

bool exportImage(int width, int height)
{
    const Registrations& all = registrations();
    if (all.imageCreate.callback == nullptr)
        return false;
    ArbParam_t image = 0;
    const bool made =
        all.imageCreate.callback(width, height, ExportRegion_CurrentFrame, all.imageCreate.clientData, &image) == TRUE;
    if (image == 0)
        return false;
    // The engine destroys every image it got, also when reading a row throws.
    struct Destroy
    {
        const Registrations& all;
        ArbParam_t image;
        ~Destroy() { all.imageDestroy.callback(image, all.imageDestroy.clientData); }
    } destroy{all, image};
    std::vector<unsigned char> red(width), green(width), blue(width);
    for (int row = 0; made && row < height; ++row)
        if (all.imageGetRGBRow.callback(image, row, all.imageGetRGBRow.clientData, red.data(), green.data(),
                                        blue.data()) != TRUE)
            return false;
    return made;
}

bool runBusyOperation(int steps)
{
    Engine& e = engine();
    // Busy until the end, also when the host's exception ends the operation.
    struct Busy
    {
        int& depth;
        ~Busy() { --depth; }
    } busy{++e.busyDepth};
    e.interrupted = false;
    for (int step = 0; step < steps && !e.interrupted; ++step)
    {
        if (e.onBusyStep)
            e.onBusyStep();
        const auto& busyEvents = registrations().busyEvents;
        if (busyEvents.callback != nullptr)
            busyEvents.callback(busyEvents.clientData);
    }
    return !e.interrupted;
}

void changeCurrentPageName(const std::string& name)
{
    if (const Page* page = currentPage())
    {
        state().styles[std::make_tuple(page->id, std::string("PAGE"), std::string("NAME"))] = name;
        deliverStateChange(StateChange{7, {"PAGE", "NAME"}, page->id});
    }
}

} // namespace model

using model::engine;
using model::registrations;

extern "C" {

int OrvEngInit(int argc, char** argv, StateModernizationLevel_e)
{
    if (engine().lifecycle == model::Lifecycle_Running)
        model::misuse("OrvEngInit while running");
    if (argc < 1 || argv == nullptr)
        model::misuse("OrvEngInit without a command line");
    for (int i = 0; argv != nullptr && i < argc; ++i)
        if (argv[i] == nullptr)
            model::misuse("OrvEngInit with a null argument");
    const int result = engine().answers.initResult;
    engine().lifecycle = result == 0 ? model::Lifecycle_Running : model::Lifecycle_InitFailed;
    return result;
}
Boolean_t OrvEngStartup(void)
{
    model::requireRunning("OrvEngStartup");
    return engine().answers.startupFails ? FALSE : TRUE;
}
void OrvEngInitiateShutdown(Boolean_t)
{
    if (model::state().finalizing)
        model::misuse("OrvEngInitiateShutdown inside OrvEngFinalizeShutdown");
    if (engine().lifecycle == model::Lifecycle_Off)
        model::misuse("OrvEngInitiateShutdown before OrvEngInit or after shutdown");
    if (engine().lifecycle == model::Lifecycle_Running)
        model::deliverStateChange(model::StateChange{15, {}, 0});
}
void OrvEngFinalizeShutdown(void)
{
    if (engine().lifecycle == model::Lifecycle_Off)
        model::misuse("OrvEngFinalizeShutdown before OrvEngInit or after shutdown");
    if (model::state().finalizing)
        model::misuse("OrvEngFinalizeShutdown inside itself");
    model::state().finalizing = true;
    model::FirstException failure;
    while (!engine().pages.empty())
        failure.run([] { model::destroyPage(engine().pages.back().id); });
    engine().current = 0;
    engine().lifecycle = model::Lifecycle_Off;
    // A finalized engine runs no task queued before: the library's on-idle
    // callback names an event manager that its stop() destroys next.
    model::state().idleQueue.clear();
    model::state().finalizing = false;
    failure.rethrow();
}
Boolean_t OrvEngGetHelpAbout(char** text)
{
    *text = model::copyText("Model engine");
    return TRUE;
}

char* OrvUtilStringAlloc(int size, const char*)
{
    if (engine().answers.textAllocFails)
        return nullptr;
    return static_cast<char*>(std::calloc(size > 0 ? size : 1, 1));
}
void OrvUtilStringDealloc(char** text)
{
    if (text != nullptr)
    {
        std::free(*text);
        *text = nullptr;
    }
}

void OrvUtilParentLockStart(Boolean_t) { ++engine().parentLockDepth; }
void OrvUtilParentLockFinish(void)
{
    if (engine().parentLockDepth-- == 0)
        model::misuse("parent lock finished without a start");
}
void OrvUtilAppLockStart(Boolean_t implicitMacroRecording)
{
    ++engine().appLockDepth;
    engine().appLockValue = implicitMacroRecording;
}
void OrvUtilAppLockFinish(void)
{
    if (engine().appLockDepth-- == 0)
        model::misuse("application lock finished without a start");
}

int OrvUtilPageGetCount(void)
{
    model::requireRunning("OrvUtilPageGetCount");
    return static_cast<int>(engine().pages.size());
}
UniqueID_t OrvUtilPageGetUniqueID(void)
{
    model::requireRunning("OrvUtilPageGetUniqueID");
    return engine().current;
}
Boolean_t OrvUtilPageSetCurrentByUniqueID(UniqueID_t id)
{
    model::requireRunning("OrvUtilPageSetCurrentByUniqueID");
    model::requireAppLock("OrvUtilPageSetCurrentByUniqueID");
    const bool refused = engine().refusesSwitches && engine().switchesAsked % 2 == 1;
    ++engine().switchesAsked;
    if (refused)
        return FALSE;
    return model::makeCurrent(id) ? TRUE : FALSE;
}
Boolean_t OrvEngPageCreateNew(ArbParam_t clientHandle, StringList_pa)
{
    model::requireRunning("OrvEngPageCreateNew");
    model::requireAppLock("OrvEngPageCreateNew");
    if (engine().refuseNextPage)
    {
        engine().refuseNextPage = false;
        return FALSE;
    }
    if (model::findHandle(clientHandle) != nullptr)
        model::misuse("a page created twice with one handle");
    engine().pages.push_back(model::Page{clientHandle, model::state().nextId++});
    model::makeCurrentNow(engine().pages.back());
    return TRUE;
}
Boolean_t OrvUtilPageDelete(void)
{
    model::requireRunning("OrvUtilPageDelete");
    model::requireAppLock("OrvUtilPageDelete");
    if (engine().answers.deleteFails)
        return FALSE;
    if (const model::Page* page = model::currentPage())
        if (engine().onHostDeletion)
            engine().onHostDeletion(page->handle);
    return model::destroyPage(engine().current) ? TRUE : FALSE;
}
void OrvEngPageDamaged(Boolean_t, UniqueID_t pageID)
{
    model::requireRunning("OrvEngPageDamaged");
    // (A page that has not learnt its id can only say 0.)
    if (pageID != 0 && model::findPage(pageID) == nullptr)
        model::misuse("damage reported for a page the engine does not have");
}
void OrvEngPagePrintPreviewSetActive(Boolean_t) { model::requireRunning("OrvEngPagePrintPreviewSetActive"); }
Boolean_t OrvUtilRedraw(Boolean_t)
{
    model::requireRunning("OrvUtilRedraw");
    if (engine().answers.redrawFails)
        return FALSE;
    return model::renderCurrentPage() ? TRUE : FALSE;
}
Boolean_t OrvUtilStateIsProcessingLayout(void)
{
    model::requireRunning("OrvUtilStateIsProcessingLayout");
    return FALSE;
}
void OrvEngDoOUAssert(const char*, const char* expression, const char*, const char* function)
{
    model::misuse(std::string("assertion ") + expression + " in " + function);
}

Boolean_t OrvUtilDispatchWorkAreaEvent(int x, int y, int buttonOrKey, int kind, Boolean_t shift, Boolean_t alt,
                                       Boolean_t control)
{
    model::requireRunning("OrvUtilDispatchWorkAreaEvent");
    if (engine().onWorkAreaEvent)
        engine().onWorkAreaEvent({x, y, buttonOrKey, kind, shift, alt, control});
    return engine().answers.dispatchFails ? FALSE : TRUE;
}
Boolean_t OrvUtilIsBusy(void)
{
    model::requireRunning("OrvUtilIsBusy");
    return engine().busyDepth > 0 ? TRUE : FALSE;
}
void OrvUtilInterrupt(void)
{
    model::requireRunning("OrvUtilInterrupt");
    engine().interrupted = true;
}
Boolean_t OrvUtilInterruptIsSet(void)
{
    model::requireRunning("OrvUtilInterruptIsSet");
    if (engine().onInterruptQuery)
        engine().onInterruptQuery();
    return engine().interrupted ? TRUE : FALSE;
}
Boolean_t OrvUtilInterruptCheck(void)
{
    model::requireRunning("OrvUtilInterruptCheck");
    return engine().interrupted ? TRUE : FALSE;
}
Boolean_t OrvEngProcessTasksOnIdle(void)
{
    model::requireRunning("OrvEngProcessTasksOnIdle");
    if (engine().answers.idleFails)
        return FALSE;
    model::runIdleTasks();
    return TRUE;
}
void OrvUtilOnIdleQueueAddCallback(void (*callback)(ArbParam_t clientData), ArbParam_t clientData)
{
    model::requireRunning("OrvUtilOnIdleQueueAddCallback");
    if (callback == nullptr)
        model::misuse("OrvUtilOnIdleQueueAddCallback: null callback");
    else
        model::state().idleQueue.push_back({callback, clientData});
}

void OrvUtilDialogErrMsg(const char*) {}
Boolean_t OrvUtilMacroIsBatchModeActive(void) { return FALSE; }

SetValueReturnCode_e OrvUtilStyleSetString(UniqueID_t objectID, const char* p1, const char* p2, const char* value)
{
    model::requireRunning("OrvUtilStyleSetString");
    if (p1 == nullptr || p2 == nullptr || value == nullptr)
    {
        model::misuse("OrvUtilStyleSetString with a null text");
        return SetValueReturnCode_Failed;
    }
    if (engine().answers.styleSetFails)
        return SetValueReturnCode_Failed;
    model::state().styles[std::make_tuple(objectID, std::string(p1), std::string(p2))] = value;
    model::deliverStateChange(model::StateChange{7, {p1, p2}, objectID});
    return SetValueReturnCode_Ok;
}
int OrvUtilStyleGetString(UniqueID_t objectID, const char* p1, const char* p2, char** value)
{
    model::requireRunning("OrvUtilStyleGetString");
    if (p1 == nullptr || p2 == nullptr || value == nullptr)
    {
        model::misuse("OrvUtilStyleGetString with a null argument");
        return 1;
    }
    if (engine().answers.styleGetFails)
        return 1;
    const auto& styles = model::state().styles;
    const auto found = styles.find(std::make_tuple(objectID, std::string(p1), std::string(p2)));
    if (found == styles.end())
        return 1;
    *value = model::copyText(found->second);
    return 0;
}

Boolean_t OrvUtilStateChangeAddCallback(void (*callback)(int, ArbParam_t), ArbParam_t clientData)
{
    registrations().stateChanges.push_back({callback, clientData});
    return TRUE;
}
Boolean_t OrvUtilStateChangeRemoveCallback(void (*callback)(int, ArbParam_t), ArbParam_t clientData)
{
    auto& all = registrations().stateChanges;
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const auto& r) { return r.callback == callback && r.clientData == clientData; }),
              all.end());
    return TRUE;
}
Boolean_t OrvUtilStateChangeGetStyleParam(int param, const char** value)
{
    const model::StateChange* firing = registrations().firing;
    if (engine().answers.styleParamsFail)
        return FALSE;
    if (firing == nullptr || param < 1 || param > static_cast<int>(firing->styleParams.size()))
        return FALSE;
    *value = firing->styleParams[param - 1].c_str();
    return TRUE;
}
Boolean_t OrvUtilStateChangeGetUniqueID(UniqueID_t* id)
{
    if (registrations().firing == nullptr || engine().answers.styleParamsFail)
        return FALSE;
    *id = registrations().firing->uniqueId;
    return TRUE;
}

int OrvUtilStringListGetCount(StringList_pa) { return 0; }
char* OrvUtilStringListGetString(StringList_pa, int) { return nullptr; }

#define MODEL_REGISTRATION(Name, Field)                                                                       \
    void OrvEng##Name##RegisterCallback(Name##Callback_pf callback, ArbParam_t clientData)                    \
    {                                                                                                         \
        registrations().Field = {callback, clientData};                                                       \
    }
MODEL_REGISTRATION(PageCreate, pageCreate)
MODEL_REGISTRATION(PageDestroy, pageDestroy)
MODEL_REGISTRATION(PageNewCurrent, pageNewCurrent)
MODEL_REGISTRATION(RenderQuery, renderQuery)
MODEL_REGISTRATION(RenderDest, renderDest)
MODEL_REGISTRATION(RenderDestSize, renderDestSize)
MODEL_REGISTRATION(SwapBuffers, swapBuffers)
MODEL_REGISTRATION(ProcessBusyEvents, busyEvents)
MODEL_REGISTRATION(OffscreenImageCreate, imageCreate)
MODEL_REGISTRATION(OffscreenImageDestroy, imageDestroy)
MODEL_REGISTRATION(OffscreenImageGetRGBRow, imageGetRGBRow)

MODEL_REGISTRATION(BaseCursorStyle, baseCursorStyle)
MODEL_REGISTRATION(WaitCursorState, waitCursorState)
MODEL_REGISTRATION(DialogGetSimpleText, simpleText)
MODEL_REGISTRATION(MRULayoutFilename, mruLayout)
MODEL_REGISTRATION(DotPitch, dotPitch)
MODEL_REGISTRATION(ScreenSize, screenSize)
MODEL_REGISTRATION(KeyState, keyState)
MODEL_REGISTRATION(MouseButtonState, mouseButtonState)
MODEL_REGISTRATION(OpenGLVersionString, openGLVersion)
MODEL_REGISTRATION(DialogMessageBox, messageBox)
MODEL_REGISTRATION(StatusLine, statusLine)
MODEL_REGISTRATION(ShowRunningCoordinates, runningCoordinates)
MODEL_REGISTRATION(SelectRegion, selectRegion)

void OrvEngProgressMonitorRegisterCallback(void (*progress)(int, ArbParam_t), void (*start)(Boolean_t, Boolean_t, ArbParam_t),
                                           void (*finish)(ArbParam_t), ArbParam_t clientData)
{
    registrations().progress = {progress, clientData};
    registrations().progressStart = {start, clientData};
    registrations().progressFinish = {finish, clientData};
}
void OrvEngDialogLaunchDropRegisterCallbacks(int dialog, Boolean_t (*launch)(ArbParam_t), void (*drop)(ArbParam_t),
                                             ArbParam_t clientData)
{
    registrations().dialogs[dialog] = {{launch, clientData}, {drop, clientData}};
}

} // extern "C"
