#include "ovsdkheadlesshost/HeadlessOffscreenImageService.h"

#include "ovsdkheadlesshost/HeadlessGLContext.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessOffscreenImageService::HeadlessOffscreenImageService(HeadlessDisplay& display) : m_display(display) {}

HeadlessOffscreenImageService::~HeadlessOffscreenImageService() = default;

std::unique_ptr<HeadlessOffscreenImage> HeadlessOffscreenImageService::makeImage(int width, int height)
{
    std::unique_ptr<HeadlessGLContext> context = std::move(m_spareContext);
    if (!context)
        context.reset(new HeadlessGLContext(m_display, 1, 1, HeadlessGLContext::ReadBack_AtRelease));
    return std::unique_ptr<HeadlessOffscreenImage>(new HeadlessOffscreenImage(std::move(context), width, height));
}

void HeadlessOffscreenImageService::imageGoing(HeadlessOffscreenImage& image) { m_spareContext = image.takeContext(); }

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
