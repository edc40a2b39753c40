#include "EngineStub.h"

#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

template <typename Callback>
struct Registration
{
    Callback callback = nullptr;
    ArbParam_t clientData = 0;
};

struct Engine
{
    long long calls = 0;
    Registration<PageCreateCallback_pf> pageCreate;
    Registration<PageDestroyCallback_pf> pageDestroy;
    Registration<PageNewCurrentCallback_pf> pageNewCurrent;
    stub::RenderCallbacks render{};
    std::vector<Registration<StateChangeCallback_pf>> stateChangeCallbacks;
    std::vector<Registration<OnIdleCallback_pf>> idleQueue;
    std::vector<Registration<OnIdleCallback_pf>> idleRunning;
    std::unordered_map<UniqueID_t, ArbParam_t> pages; // id -> the library's page handle
    UniqueID_t currentPage = 0;
    UniqueID_t nextPage = 1;
};

Engine& engine()
{
    static Engine* const instance = new Engine; // outlives every static of the library
    return *instance;
}

void count() { ++engine().calls; }

void makeCurrent(UniqueID_t id)
{
    Engine& state = engine();
    state.currentPage = id;
    const auto page = state.pages.find(id);
    if (page != state.pages.end() && state.pageNewCurrent.callback != nullptr)
        state.pageNewCurrent.callback(page->second, state.pageNewCurrent.clientData);
}

} // namespace

namespace stub {

const RenderCallbacks& renderCallbacks() { return engine().render; }

UniqueID_t lastCreatedPage() { return engine().nextPage - 1; }

void destroyPage(UniqueID_t id, UniqueID_t nextCurrent)
{
    Engine& state = engine();
    const auto page = state.pages.find(id);
    if (page == state.pages.end())
        return;
    const ArbParam_t handle = page->second;
    state.pages.erase(page);
    state.pageDestroy.callback(handle, state.pageDestroy.clientData);
    if (state.currentPage == id)
        makeCurrent(nextCurrent);
}

void fireStateChange(int code)
{
    for (const auto& registration : engine().stateChangeCallbacks)
        registration.callback(code, registration.clientData);
}

long long calls() { return engine().calls; }

} // namespace stub

extern "C" {

// --- lifecycle ------------------------------------------------------------------

int OrvEngInit(int, char**, StateModernizationLevel_e) { return 0; }
Boolean_t OrvEngStartup(void) { return TRUE; }
void OrvEngInitiateShutdown(Boolean_t) {}

// A real engine destroys its remaining pages on the way out.
void OrvEngFinalizeShutdown(void)
{
    while (!engine().pages.empty())
        stub::destroyPage(engine().pages.begin()->first, 0);
}

Boolean_t OrvEngGetHelpAbout(char** text)
{
    *text = OrvUtilStringAlloc(1, "help");
    return TRUE;
}

// --- strings and locks ------------------------------------------------------------

char* OrvUtilStringAlloc(int size, const char*) { return static_cast<char*>(std::calloc(1, std::size_t(size))); }

void OrvUtilStringDealloc(char** text)
{
    std::free(*text);
    *text = nullptr;
}

void OrvUtilParentLockStart(Boolean_t) { count(); }
void OrvUtilParentLockFinish(void) { count(); }
void OrvUtilAppLockStart(Boolean_t) { count(); }
void OrvUtilAppLockFinish(void) { count(); }

// --- pages ----------------------------------------------------------------------

int OrvUtilPageGetCount(void)
{
    count();
    return static_cast<int>(engine().pages.size());
}

UniqueID_t OrvUtilPageGetUniqueID(void)
{
    count();
    return engine().currentPage;
}

Boolean_t OrvUtilPageSetCurrentByUniqueID(UniqueID_t id)
{
    count();
    if (engine().pages.count(id) == 0)
        return FALSE;
    if (engine().currentPage != id)
        makeCurrent(id);
    return TRUE;
}

Boolean_t OrvEngPageCreateNew(ArbParam_t clientHandle, StringList_pa)
{
    count();
    Engine& state = engine();
    const UniqueID_t id = state.nextPage++;
    state.pages.emplace(id, clientHandle);
    makeCurrent(id);
    return TRUE;
}

Boolean_t OrvUtilPageDelete(void)
{
    count();
    stub::destroyPage(engine().currentPage, 0);
    return TRUE;
}

void OrvEngPageDamaged(Boolean_t, UniqueID_t) { count(); }
void OrvEngPagePrintPreviewSetActive(Boolean_t) {}
Boolean_t OrvUtilRedraw(Boolean_t) { return TRUE; }
Boolean_t OrvUtilStateIsProcessingLayout(void) { return FALSE; }
void OrvEngDoOUAssert(const char*, const char*, const char*, const char*) {}

// --- input, busy and idle time ---------------------------------------------------------

Boolean_t OrvUtilDispatchWorkAreaEvent(int, int, int, int, Boolean_t, Boolean_t, Boolean_t)
{
    count();
    return TRUE;
}

Boolean_t OrvUtilIsBusy(void) { return FALSE; }
void OrvUtilInterrupt(void) {}

Boolean_t OrvUtilInterruptIsSet(void)
{
    count();
    return FALSE;
}

Boolean_t OrvUtilInterruptCheck(void) { return FALSE; }

// Runs the on-idle callbacks queued so far; those they queue wait for the
// next idle time.
Boolean_t OrvEngProcessTasksOnIdle(void)
{
    count();
    Engine& state = engine();
    std::swap(state.idleQueue, state.idleRunning);
    for (const auto& task : state.idleRunning)
        task.callback(task.clientData);
    state.idleRunning.clear();
    return TRUE;
}

void OrvUtilOnIdleQueueAddCallback(void (*callback)(ArbParam_t), ArbParam_t clientData)
{
    count();
    engine().idleQueue.push_back({callback, clientData});
}

void OrvUtilDialogErrMsg(const char*) {}
Boolean_t OrvUtilMacroIsBatchModeActive(void) { return FALSE; }

// --- styles and state changes -------------------------------------------------------------

SetValueReturnCode_e OrvUtilStyleSetString(UniqueID_t, const char*, const char*, const char*)
{
    return SetValueReturnCode_Ok;
}

int OrvUtilStyleGetString(UniqueID_t, const char*, const char*, char** value)
{
    *value = nullptr;
    return 1;
}

Boolean_t OrvUtilStateChangeAddCallback(void (*callback)(int, ArbParam_t), ArbParam_t clientData)
{
    engine().stateChangeCallbacks.push_back({callback, clientData});
    return TRUE;
}

Boolean_t OrvUtilStateChangeRemoveCallback(void (*callback)(int, ArbParam_t), ArbParam_t clientData)
{
    auto& callbacks = engine().stateChangeCallbacks;
    for (auto registration = callbacks.begin(); registration != callbacks.end(); ++registration)
        if (registration->callback == callback && registration->clientData == clientData)
        {
            callbacks.erase(registration);
            return TRUE;
        }
    return FALSE;
}

Boolean_t OrvUtilStateChangeGetStyleParam(int, const char**) { return FALSE; }
Boolean_t OrvUtilStateChangeGetUniqueID(UniqueID_t*) { return FALSE; }
int OrvUtilStringListGetCount(StringList_pa) { return 0; }
char* OrvUtilStringListGetString(StringList_pa, int) { return nullptr; }

// --- callback registrations ---------------------------------------------------------------

void OrvEngPageCreateRegisterCallback(PageCreateCallback_pf callback, ArbParam_t clientData)
{
    engine().pageCreate = {callback, clientData};
}

void OrvEngPageDestroyRegisterCallback(PageDestroyCallback_pf callback, ArbParam_t clientData)
{
    engine().pageDestroy = {callback, clientData};
}

void OrvEngPageNewCurrentRegisterCallback(PageNewCurrentCallback_pf callback, ArbParam_t clientData)
{
    engine().pageNewCurrent = {callback, clientData};
}

void OrvEngRenderQueryRegisterCallback(RenderQueryCallback_pf callback, ArbParam_t clientData)
{
    engine().render.query = callback;
    engine().render.clientData = clientData;
}

void OrvEngRenderDestRegisterCallback(RenderDestCallback_pf callback, ArbParam_t) { engine().render.destination = callback; }
void OrvEngSwapBuffersRegisterCallback(SwapBuffersCallback_pf callback, ArbParam_t) { engine().render.swap = callback; }
void OrvEngRenderDestSizeRegisterCallback(RenderDestSizeCallback_pf callback, ArbParam_t) { engine().render.size = callback; }

// The callbacks no benchmark uses are taken and forgotten.
void OrvEngProgressMonitorRegisterCallback(void (*)(int, ArbParam_t), void (*)(Boolean_t, Boolean_t, ArbParam_t),
                                           void (*)(ArbParam_t), ArbParam_t)
{
}
void OrvEngDialogLaunchDropRegisterCallbacks(int, Boolean_t (*)(ArbParam_t), void (*)(ArbParam_t), ArbParam_t) {}
void OrvEngProcessBusyEventsRegisterCallback(ProcessBusyEventsCallback_pf, ArbParam_t) {}
void OrvEngBaseCursorStyleRegisterCallback(BaseCursorStyleCallback_pf, ArbParam_t) {}
void OrvEngWaitCursorStateRegisterCallback(WaitCursorStateCallback_pf, ArbParam_t) {}
void OrvEngDialogGetSimpleTextRegisterCallback(DialogGetSimpleTextCallback_pf, ArbParam_t) {}
void OrvEngMRULayoutFilenameRegisterCallback(MRULayoutFilenameCallback_pf, ArbParam_t) {}
void OrvEngDotPitchRegisterCallback(DotPitchCallback_pf, ArbParam_t) {}
void OrvEngScreenSizeRegisterCallback(ScreenSizeCallback_pf, ArbParam_t) {}
void OrvEngKeyStateRegisterCallback(KeyStateCallback_pf, ArbParam_t) {}
void OrvEngMouseButtonStateRegisterCallback(MouseButtonStateCallback_pf, ArbParam_t) {}
void OrvEngOpenGLVersionStringRegisterCallback(OpenGLVersionStringCallback_pf, ArbParam_t) {}
void OrvEngDialogMessageBoxRegisterCallback(DialogMessageBoxCallback_pf, ArbParam_t) {}
void OrvEngOffscreenImageCreateRegisterCallback(OffscreenImageCreateCallback_pf, ArbParam_t) {}
void OrvEngOffscreenImageDestroyRegisterCallback(OffscreenImageDestroyCallback_pf, ArbParam_t) {}
void OrvEngOffscreenImageGetRGBRowRegisterCallback(OffscreenImageGetRGBRowCallback_pf, ArbParam_t) {}
void OrvEngStatusLineRegisterCallback(StatusLineCallback_pf, ArbParam_t) {}
void OrvEngShowRunningCoordinatesRegisterCallback(ShowRunningCoordinatesCallback_pf, ArbParam_t) {}
void OrvEngSelectRegionRegisterCallback(SelectRegionCallback_pf, ArbParam_t) {}

} // extern "C"
