#ifndef ORVANE_INTEGRATION_DIALOGLAUNCHERINTERFACE_H
#define ORVANE_INTEGRATION_DIALOGLAUNCHERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// Opens one of the engine's dialogs that the host provides.
class OVSDK_INTEGRATION_EXPORT DialogLauncherInterface
{
public:
    // Opens the dialog.
    //
    // @thread_safety Called on the GUI thread, from inside the engine call
    // that asks for the dialog.
    // @reentrancy A modal dialog may run the host's event loop; the engine's
    // operation waits meanwhile.
    // @errors An exception passes through the engine's callback to the engine.
    virtual void launch() = 0;
    // Destroying a launcher does not unregister it: register another (or
    // null) first.
    virtual ~DialogLauncherInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_DIALOGLAUNCHERINTERFACE_H
