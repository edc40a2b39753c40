// Registration of the host's callbacks, and the engine-side requests that
// call them.
#include "CallLog.h"
#include "EngineSteps.h"

namespace orvane {
namespace sim {
namespace {

Callbacks& registered() { return detail::engine().callbacks; }

template <typename F>
void registerCallback(const char* name, Registration<F>& registration, F callback, ArbParam_t clientData)
{
    detail::logCall(name, clientData);
    registration.callback = callback;
    registration.clientData = clientData;
}

// Runs `call(callback, clientData)` when a callback is registered.
template <typename F, typename Call>
void callIfRegistered(const Registration<F>& registration, Call call)
{
    const Registration<F> copy = registration; // the callback may register another
    if (copy)
        call(copy.callback, copy.clientData);
}

Boolean_t toBoolean(bool value) { return value ? TRUE : FALSE; }

} // namespace

const Callbacks& callbacks() { return registered(); }

MessageBoxReply_e requestMessageBox(const char* message, MessageBoxType_e type)
{
    MessageBoxReply_e reply = MessageBoxReply_Invalid;
    callIfRegistered(registered().dialogMessageBox,
                     [&](DialogMessageBoxCallback_pf callback, ArbParam_t client) { reply = callback(message, type, client); });
    return reply;
}

bool requestSimpleText(const char* instructions, std::string& text, bool useText)
{
    const Registration<DialogGetSimpleTextCallback_pf> dialog = registered().dialogGetSimpleText;
    if (!dialog)
        return false;
    char* engineText = useText ? detail::copyText(text) : nullptr;
    const bool ok = dialog.callback(instructions, &engineText, toBoolean(useText), dialog.clientData) == TRUE;
    if (ok)
        text = engineText != nullptr ? engineText : "";
    if (engineText != nullptr)
        detail::releaseText(engineText, "requestSimpleText");
    return ok;
}

void requestBaseCursorStyle(CursorStyle_e style, ArbParam_t renderHandle)
{
    callIfRegistered(registered().baseCursorStyle,
                     [&](BaseCursorStyleCallback_pf callback, ArbParam_t client) { callback(style, renderHandle, client); });
}

void requestWaitCursor(bool activate)
{
    callIfRegistered(registered().waitCursorState,
                     [&](WaitCursorStateCallback_pf callback, ArbParam_t client) { callback(toBoolean(activate), client); });
}

void reportMRULayout(const char* layoutFileName)
{
    callIfRegistered(registered().mruLayoutFilename,
                     [&](MRULayoutFilenameCallback_pf callback, ArbParam_t client) { callback(layoutFileName, client); });
}

void requestDotPitch(double* dotPitchX, double* dotPitchY)
{
    callIfRegistered(registered().dotPitch,
                     [&](DotPitchCallback_pf callback, ArbParam_t client) { callback(client, dotPitchX, dotPitchY); });
}

void requestScreenSize(int* width, int* height)
{
    callIfRegistered(registered().screenSize,
                     [&](ScreenSizeCallback_pf callback, ArbParam_t client) { callback(client, width, height); });
}

void requestKeyState(Boolean_t* shift, Boolean_t* alt, Boolean_t* control)
{
    callIfRegistered(registered().keyState,
                     [&](KeyStateCallback_pf callback, ArbParam_t client) { callback(client, shift, alt, control); });
}

bool requestMouseButtonState(int button)
{
    bool pressed = false;
    callIfRegistered(registered().mouseButtonState, [&](MouseButtonStateCallback_pf callback, ArbParam_t client) {
        pressed = callback(button, client) == TRUE;
    });
    return pressed;
}

std::string requestOpenGLVersionString(bool* wasNull)
{
    const char* answer = nullptr;
    callIfRegistered(registered().openGLVersionString,
                     [&](OpenGLVersionStringCallback_pf callback, ArbParam_t client) { answer = callback(client); });
    if (wasNull != nullptr)
        *wasNull = answer == nullptr;
    if (answer == nullptr)
        return std::string();
    const std::string version(answer);
    detail::releaseText(const_cast<char*>(answer), "requestOpenGLVersionString");
    return version;
}

void reportStatusLine(const char* text)
{
    callIfRegistered(registered().statusLine, [&](StatusLineCallback_pf callback, ArbParam_t client) { callback(text, client); });
}

void startProgress(bool first, bool second)
{
    callIfRegistered(registered().progressStart, [&](ProgressMonitorStartCallback_pf callback, ArbParam_t client) {
        callback(toBoolean(first), toBoolean(second), client);
    });
}

void reportProgress(int percentDone)
{
    callIfRegistered(registered().progress,
                     [&](ProgressMonitorCallback_pf callback, ArbParam_t client) { callback(percentDone, client); });
}

void finishProgress()
{
    callIfRegistered(registered().progressFinish, [](ProgressMonitorFinishCallback_pf callback, ArbParam_t client) { callback(client); });
}

void reportRunningCoordinates(const char* first, const char* second)
{
    callIfRegistered(registered().showRunningCoordinates,
                     [&](ShowRunningCoordinatesCallback_pf callback, ArbParam_t client) { callback(first, second, client); });
}

void requestSelectRegion(double x1, double y1, double x2, double y2, bool flag)
{
    callIfRegistered(registered().selectRegion, [&](SelectRegionCallback_pf callback, ArbParam_t client) {
        callback(x1, y1, x2, y2, toBoolean(flag), client);
    });
}

bool launchDialog(int dialog)
{
    const auto found = detail::engine().dialogs.find(dialog);
    if (found == detail::engine().dialogs.end() || found->second.launch == nullptr)
        return false;
    const detail::DialogRegistration registration = found->second;
    return registration.launch(registration.clientData) == TRUE;
}

} // namespace sim
} // namespace orvane

using namespace orvane::sim;
using namespace orvane::sim::detail;

extern "C" {

void OrvEngProgressMonitorRegisterCallback(void (*progress)(int percentDone, ArbParam_t clientData),
                                           void (*start)(Boolean_t first, Boolean_t second, ArbParam_t clientData),
                                           void (*finish)(ArbParam_t clientData), ArbParam_t clientData)
{
    logCall("OrvEngProgressMonitorRegisterCallback", clientData);
    Callbacks& callbacks = engine().callbacks;
    callbacks.progress = {progress, clientData};
    callbacks.progressStart = {start, clientData};
    callbacks.progressFinish = {finish, clientData};
}

void OrvEngDialogLaunchDropRegisterCallbacks(int dialog, Boolean_t (*launch)(ArbParam_t clientData),
                                             void (*drop)(ArbParam_t clientData), ArbParam_t clientData)
{
    logCall("OrvEngDialogLaunchDropRegisterCallbacks", dialog, clientData);
    engine().dialogs[dialog] = {launch, drop, clientData};
}

// One registration function per callback: OrvEng<Name>RegisterCallback
// keeps the callback and its client value in Callbacks::<member>.
#define OVSDKBASE_REGISTRATION(Name, member)                                                              \
    void OrvEng##Name##RegisterCallback(Name##Callback_pf callback, ArbParam_t clientData)                \
    {                                                                                                     \
        registerCallback("OrvEng" #Name "RegisterCallback", engine().callbacks.member, callback, clientData); \
    }

OVSDKBASE_REGISTRATION(PageCreate, pageCreate)
OVSDKBASE_REGISTRATION(PageDestroy, pageDestroy)
OVSDKBASE_REGISTRATION(PageNewCurrent, pageNewCurrent)
OVSDKBASE_REGISTRATION(RenderQuery, renderQuery)
OVSDKBASE_REGISTRATION(RenderDest, renderDest)
OVSDKBASE_REGISTRATION(SwapBuffers, swapBuffers)
OVSDKBASE_REGISTRATION(RenderDestSize, renderDestSize)
OVSDKBASE_REGISTRATION(ProcessBusyEvents, processBusyEvents)
OVSDKBASE_REGISTRATION(BaseCursorStyle, baseCursorStyle)
OVSDKBASE_REGISTRATION(WaitCursorState, waitCursorState)
OVSDKBASE_REGISTRATION(DialogGetSimpleText, dialogGetSimpleText)
OVSDKBASE_REGISTRATION(MRULayoutFilename, mruLayoutFilename)
OVSDKBASE_REGISTRATION(DotPitch, dotPitch)
OVSDKBASE_REGISTRATION(ScreenSize, screenSize)
OVSDKBASE_REGISTRATION(KeyState, keyState)
OVSDKBASE_REGISTRATION(MouseButtonState, mouseButtonState)
OVSDKBASE_REGISTRATION(OpenGLVersionString, openGLVersionString)
OVSDKBASE_REGISTRATION(DialogMessageBox, dialogMessageBox)
OVSDKBASE_REGISTRATION(OffscreenImageCreate, offscreenImageCreate)
OVSDKBASE_REGISTRATION(OffscreenImageDestroy, offscreenImageDestroy)
OVSDKBASE_REGISTRATION(OffscreenImageGetRGBRow, offscreenImageGetRGBRow)
OVSDKBASE_REGISTRATION(StatusLine, statusLine)
OVSDKBASE_REGISTRATION(ShowRunningCoordinates, showRunningCoordinates)
OVSDKBASE_REGISTRATION(SelectRegion, selectRegion)

#undef OVSDKBASE_REGISTRATION

} // extern "C"
