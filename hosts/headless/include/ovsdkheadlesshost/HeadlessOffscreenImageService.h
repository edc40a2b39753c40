#ifndef OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGESERVICE_H
#define OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGESERVICE_H

#include "ovsdkheadlesshost/Export.h"

#include "integration/services/OffscreenImageServiceAbstract.h"

#include <map>
#include <memory>

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessDisplay;
class HeadlessGLContext;
class HeadlessOffscreenImage;

// The engine's offscreen images (exports) on the HeadlessDisplay.
//
// Implements: OffscreenImageService: each image is a HeadlessOffscreenImage
// owned by the service until the engine destroys it (or the service goes);
// rows are read from the picture the engine last drew into it. The context
// of the image destroyed last serves the next image. A handle
// the service did not hand out reads nothing and destroys nothing. Images
// that cannot be made throw orvane::ExceptionBase with a readable message,
// which the library reports to the engine.
// Leaves to the application: making it current.
//
// Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessOffscreenImageService
    : public integration::services::OffscreenImageServiceAbstract
{
public:
    // A service whose images have OpenGL contexts of `display`.
    explicit HeadlessOffscreenImageService(HeadlessDisplay& display);
    ~HeadlessOffscreenImageService() override;

    integration::services::OffscreenImageInterface* createImage(int width, int height) override;
    void destroyImage(long long imageHandle) override;
    bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                   unsigned char* blue) override;

private:
    HeadlessDisplay& m_display;
    std::map<long long, std::unique_ptr<HeadlessOffscreenImage>> m_images; // by handle
    std::unique_ptr<HeadlessGLContext> m_spareContext;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGESERVICE_H
