#include "integration/intern/DialogManager.h"

#include "integration/intern/boundary/EngineCallbacks.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

void DialogManager::registerDialogLauncher(DialogLauncherInterface* launcher, int dialog)
{
    engine::OrvEngDialogLaunchDropRegisterCallbacks(
        dialog, &callbacks::dialogLaunch<&DialogManager::dialogLaunchCallback>, nullptr,
        reinterpret_cast<ArbParam_t>(launcher));
}

// The engine is told the dialog was launched even when no launcher was given.
Boolean_t DialogManager::dialogLaunchCallback(ArbParam_t clientData)
{
    if (clientData != 0)
        reinterpret_cast<DialogLauncherInterface*>(clientData)->launch();
    return TRUE;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
