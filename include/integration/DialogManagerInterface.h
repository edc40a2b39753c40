#ifndef ORVANE_INTEGRATION_DIALOGMANAGERINTERFACE_H
#define ORVANE_INTEGRATION_DIALOGMANAGERINTERFACE_H

#include "integration/DialogLauncherInterface.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// Attaches the host's dialog launchers to the engine's dialogs.
class OVSDK_INTEGRATION_EXPORT DialogManagerInterface
{
public:
    // From now on the engine opens `dialog` with `launcher`, which is not
    // owned and must outlive the engine; a null launcher makes the dialog do
    // nothing.
    //
    // @thread_safety GUI thread only; not checked.
    // @errors None of its own.
    virtual void registerDialogLauncher(DialogLauncherInterface* launcher, int dialog) = 0;
    // Owned by the manager, between init() and stop().
    virtual ~DialogManagerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_DIALOGMANAGERINTERFACE_H
