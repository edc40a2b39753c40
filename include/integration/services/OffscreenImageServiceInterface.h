#ifndef ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGESERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGESERVICEINTERFACE_H

#include "integration/services/OffscreenImageInterface.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Offscreen images the engine exports plots into.
class OVSDK_INTEGRATION_EXPORT OffscreenImageServiceInterface
{
public:
    // A new image of the given size, owned by the host until destroyImage();
    // null when none can be made. The engine names it by the address of its
    // OffscreenImageInterface part.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors Throw orvane::ExceptionBase, with a message for the user, when
    // the graphics fail; see `docs/host-guide.md#offscreen-images-that-fail`.
    virtual OffscreenImageInterface* createImage(int width, int height) = 0;
    // Releases the image whose handle createImage() gave the engine.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception passes through the engine's callback to the engine.
    virtual void destroyImage(long long imageHandle) = 0;
    // Copies one row of the image's pixels, one byte a pixel and channel.
    // Each channel array has room for the image's width; false when the row
    // cannot be read.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception passes through the engine's callback to the engine.
    virtual bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                           unsigned char* blue) = 0;
    // See OffscreenImageServiceAbstract for what its destruction leaves current.
    virtual ~OffscreenImageServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGESERVICEINTERFACE_H
