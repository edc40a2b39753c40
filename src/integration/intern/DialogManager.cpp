#include "integration/intern/DialogManager.h"

#include "integration/intern/TraceRecorder.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

void DialogManager::registerDialogLauncher(DialogLauncherInterface* launcher, int dialog)
{
    OrvEngDialogLaunchDropRegisterCallbacks(dialog, dialogLaunchCallback, nullptr,
                                            reinterpret_cast<ArbParam_t>(launcher));
}

// The engine is told the dialog was launched even when no launcher was given.
Boolean_t DialogManager::dialogLaunchCallback(ArbParam_t clientData)
{
    const TraceSpan span("callback", "dialogLaunchCallback");
    if (clientData != 0)
        reinterpret_cast<DialogLauncherInterface*>(clientData)->launch();
    return TRUE;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
