#include "ovsdkheadlesshost/HeadlessOffscreenImageService.h"

#include "ovsdkheadlesshost/HeadlessOffscreenImage.h"
#include "ovsdkheadlesshost/HeadlessGLContext.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

using integration::services::OffscreenImageInterface;

HeadlessOffscreenImageService::HeadlessOffscreenImageService(HeadlessDisplay& display) : m_display(display) {}

HeadlessOffscreenImageService::~HeadlessOffscreenImageService() = default;

OffscreenImageInterface* HeadlessOffscreenImageService::createImage(int width, int height)
{
    std::unique_ptr<HeadlessGLContext> context = std::move(m_spareContext);
    if (!context)
        context.reset(new HeadlessGLContext(m_display, 1, 1, HeadlessGLContext::ReadBack_AtRelease));
    std::unique_ptr<HeadlessOffscreenImage> image(new HeadlessOffscreenImage(std::move(context), width, height));
    OffscreenImageInterface* const handle = image.get();
    m_images[reinterpret_cast<long long>(handle)] = std::move(image);
    return handle;
}

void HeadlessOffscreenImageService::destroyImage(long long imageHandle)
{
    const auto found = m_images.find(imageHandle);
    if (found == m_images.end())
        return;
    m_spareContext = found->second->takeContext();
    m_images.erase(found);
}

bool HeadlessOffscreenImageService::getRGBRow(long long imageHandle, int row, unsigned char* red,
                                              unsigned char* green, unsigned char* blue)
{
    const auto found = m_images.find(imageHandle);
    return found != m_images.end() && found->second->readRow(row, red, green, blue);
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
