#ifndef OVSDKGTKHOST_GTKOFFSCREENIMAGESERVICE_H
#define OVSDKGTKHOST_GTKOFFSCREENIMAGESERVICE_H

#include "ovsdkgtkhost/Export.h"

#include "integration/services/OffscreenImageServiceAbstract.h"

#include <map>
#include <memory>

namespace orvane {
namespace sdk {
namespace gtkhost {

class GtkOffscreenImage;

// The engine's offscreen images (exports) with GTK's OpenGL.
//
// Implements: OffscreenImageService: each image is a GtkOffscreenImage
// owned by the service until the engine destroys it (or the service goes);
// rows are read from the picture the engine last drew into it. A handle
// the service did not hand out reads nothing and destroys nothing. Images
// that cannot be made throw orvane::ExceptionBase with a readable message,
// which the library reports to the engine.
// Leaves to the application: nothing beyond making it current.
class OVSDKGTKHOST_EXPORT GtkOffscreenImageService : public integration::services::OffscreenImageServiceAbstract
{
public:
    // A service with no image; make it current to use it.
    GtkOffscreenImageService();
    // Deletes the images the engine has not destroyed.
    ~GtkOffscreenImageService() override;

    integration::services::OffscreenImageInterface* createImage(int width, int height) override;
    void destroyImage(long long imageHandle) override;
    bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                   unsigned char* blue) override;

    // The number of images made and not yet destroyed.
    std::size_t imageCount() const;

private:
    std::map<long long, std::unique_ptr<GtkOffscreenImage>> m_images; // by handle
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKOFFSCREENIMAGESERVICE_H
