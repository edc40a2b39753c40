#ifndef ORVANE_INTEGRATION_SERVICES_SELECTREGIONSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_SELECTREGIONSERVICEINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Selection of the plot items inside a rectangle the user dragged.
class OVSDK_INTEGRATION_EXPORT SelectRegionServiceInterface
{
public:
    // The flag is the engine's, passed through.
    //
    // @thread_safety Called by the engine on the GUI thread.
    virtual void selectItemsInRect(double x1, double y1, double x2, double y2, bool flag) = 0;
    // See SelectRegionServiceAbstract for what its destruction leaves current.
    virtual ~SelectRegionServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_SELECTREGIONSERVICEINTERFACE_H
