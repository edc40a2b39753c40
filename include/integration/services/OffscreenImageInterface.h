#ifndef ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGEINTERFACE_H

#include "integration/GLContextInterface.h"
#include "ovsdkbase.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// An offscreen image of the host, made by its offscreen image service. The
// engine names it by the address of this interface part.
class OVSDK_INTEGRATION_EXPORT OffscreenImageInterface
{
public:
    // Draws the engine's plot into the image; true on success.
    //
    // @current The image's context is made current and released by the
    // engine's render callbacks around the drawing, from inside this call.
    // @errors An orvane::ExceptionBase is shown to the user and the engine
    // gets the result so far; see
    // `docs/host-guide.md#offscreen-images-that-fail`.
    virtual bool render(ExportRegion_e region) = 0;
    // The context the engine renders into the image with.
    // The same object every time.
    virtual GLContextInterface& getGLContext() = 0;
    // Destroyed by the host's service in destroyImage().
    virtual ~OffscreenImageInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGEINTERFACE_H
