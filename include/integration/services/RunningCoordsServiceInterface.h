#ifndef ORVANE_INTEGRATION_SERVICES_RUNNINGCOORDSSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_RUNNINGCOORDSSERVICEINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// The coordinates under the mouse, shown while it moves over a plot.
class OVSDK_INTEGRATION_EXPORT RunningCoordsServiceInterface
{
public:
    // Both texts are the engine's, as given.
    //
    // @thread_safety Called by the engine on the GUI thread.
    virtual void showRunningCoordinates(const char* first, const char* second) = 0;
    // See RunningCoordsServiceAbstract for what its destruction leaves current.
    virtual ~RunningCoordsServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_RUNNINGCOORDSSERVICEINTERFACE_H
