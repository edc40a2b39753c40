#ifndef ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGERENDERCAPABILITIESINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGERENDERCAPABILITIESINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Whether offscreen images can be rendered and exported in this run; offered
// to the host's services.
class OVSDK_INTEGRATION_EXPORT OffscreenImageRenderCapabilitiesInterface
{
public:
    // Whether offscreen images can be rendered.
    virtual bool isOffscreenRenderingAvailable() = 0;
    // Whether offscreen images can be exported.
    virtual bool isOffscreenExportAvailable() = 0;
    // Owned by ManagerAbstract.
    virtual ~OffscreenImageRenderCapabilitiesInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGERENDERCAPABILITIESINTERFACE_H
