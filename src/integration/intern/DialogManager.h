#ifndef ORVANE_INTEGRATION_INTERN_DIALOGMANAGER_H
#define ORVANE_INTEGRATION_INTERN_DIALOGMANAGER_H

#include "integration/DialogManagerInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// Registers launchers with the engine; keeps no record of them, so
// registrations outlive the manager.
class DialogManager : public virtual DialogManagerInterface
{
public:
    void registerDialogLauncher(DialogLauncherInterface* launcher, int dialog) override;

private:
    // The engine's launch of a dialog; the client value is the launcher.
    static Boolean_t dialogLaunchCallback(ArbParam_t clientData);
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_DIALOGMANAGER_H
