#ifndef OVSDKGLFWHOST_GLFWOFFSCREENIMAGESERVICE_H
#define OVSDKGLFWHOST_GLFWOFFSCREENIMAGESERVICE_H

#include "ovsdkglfwhost/Export.h"
#include "ovsdkglfwhost/GlfwOffscreenImage.h"

#include "integration/services/OwningOffscreenImageService.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

// The engine's offscreen images (exports) with GLFW's OpenGL: an
// OwningOffscreenImageService of GlfwOffscreenImage, each image owned by the
// service until the engine destroys it (or the service goes), its rows read
// from the picture the engine last drew into it. Make it current to use it.
class OVSDKGLFWHOST_EXPORT GlfwOffscreenImageService
    : public integration::services::OwningOffscreenImageService<GlfwOffscreenImage>
{
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWOFFSCREENIMAGESERVICE_H
