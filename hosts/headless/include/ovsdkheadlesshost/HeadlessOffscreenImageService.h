#ifndef OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGESERVICE_H
#define OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGESERVICE_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessOffscreenImage.h"

#include "integration/services/OwningOffscreenImageService.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessDisplay;
class HeadlessGLContext;

// The engine's offscreen images (exports) on the HeadlessDisplay.
//
// Implements: OwningOffscreenImageService with HeadlessOffscreenImage: each
// image is owned by the service until the engine destroys it (or the
// service goes); rows are read from the picture the engine last drew into
// it. The context of the image destroyed last serves the next image.
// Leaves to the application: making it current.
//
// Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessOffscreenImageService
    : public integration::services::OwningOffscreenImageService<HeadlessOffscreenImage>
{
public:
    // A service whose images have OpenGL contexts of `display`.
    explicit HeadlessOffscreenImageService(HeadlessDisplay& display);
    ~HeadlessOffscreenImageService() override;

protected:
    // An image on the spare context, or on a new one.
    std::unique_ptr<HeadlessOffscreenImage> makeImage(int width, int height) override;
    // Keeps the image's context for the next image.
    void imageGoing(HeadlessOffscreenImage& image) override;

private:
    HeadlessDisplay& m_display;
    std::unique_ptr<HeadlessGLContext> m_spareContext;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGESERVICE_H
