#ifndef OVSDKGTKHOST_GTKOFFSCREENIMAGESERVICE_H
#define OVSDKGTKHOST_GTKOFFSCREENIMAGESERVICE_H

#include "ovsdkgtkhost/Export.h"
#include "ovsdkgtkhost/GtkOffscreenImage.h"

#include "integration/services/OwningOffscreenImageService.h"

namespace orvane {
namespace sdk {
namespace gtkhost {

// The engine's offscreen images (exports) with GTK's OpenGL: an
// OwningOffscreenImageService of GtkOffscreenImage, each image owned by the
// service until the engine destroys it (or the service goes), its rows read
// from the picture the engine last drew into it. Make it current to use it.
class OVSDKGTKHOST_EXPORT GtkOffscreenImageService
    : public integration::services::OwningOffscreenImageService<GtkOffscreenImage>
{
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKOFFSCREENIMAGESERVICE_H
