#ifndef OVSDKGLFWHOST_GLFWOFFSCREENIMAGESERVICE_H
#define OVSDKGLFWHOST_GLFWOFFSCREENIMAGESERVICE_H

#include "ovsdkglfwhost/Export.h"

#include "integration/services/OffscreenImageServiceAbstract.h"

#include <map>
#include <memory>

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwOffscreenImage;

// The engine's offscreen images (exports) with GLFW's OpenGL.
//
// Implements: OffscreenImageService: each image is a GlfwOffscreenImage
// owned by the service until the engine destroys it (or the service goes);
// rows are read from the picture the engine last drew into it. A handle
// the service did not hand out reads nothing and destroys nothing. Images
// that cannot be made throw orvane::ExceptionBase with a readable message,
// which the library reports to the engine.
// Leaves to the application: nothing beyond making it current.
class OVSDKGLFWHOST_EXPORT GlfwOffscreenImageService : public integration::services::OffscreenImageServiceAbstract
{
public:
    // A service with no image; make it current to use it.
    GlfwOffscreenImageService();
    // Deletes the images the engine has not destroyed.
    ~GlfwOffscreenImageService() override;

    integration::services::OffscreenImageInterface* createImage(int width, int height) override;
    void destroyImage(long long imageHandle) override;
    bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                   unsigned char* blue) override;

    // The number of images made and not yet destroyed.
    std::size_t imageCount() const;

private:
    std::map<long long, std::unique_ptr<GlfwOffscreenImage>> m_images; // by handle
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWOFFSCREENIMAGESERVICE_H
