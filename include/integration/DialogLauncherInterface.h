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
    virtual void launch() = 0;
    virtual ~DialogLauncherInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_DIALOGLAUNCHERINTERFACE_H
