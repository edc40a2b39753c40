#ifndef OVSDKQTHOST_QTOFFSCREENIMAGESERVICE_H
#define OVSDKQTHOST_QTOFFSCREENIMAGESERVICE_H

#include "ovsdkqthost/Export.h"
#include "ovsdkqthost/QtOffscreenImage.h"

#include "integration/services/OwningOffscreenImageService.h"

namespace orvane {
namespace sdk {
namespace qthost {

// The engine's offscreen images (exports) with Qt's OpenGL: an
// OwningOffscreenImageService of QtOffscreenImage, each image owned by the
// service until the engine destroys it (or the service goes), its rows read
// from the picture the engine last drew into it. Make it current to use it.
class OVSDKQTHOST_EXPORT QtOffscreenImageService
    : public integration::services::OwningOffscreenImageService<QtOffscreenImage>
{
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTOFFSCREENIMAGESERVICE_H
