#include "ovsdkqthost/QtOffscreenImageService.h"

#include "ovsdkqthost/QtOffscreenImage.h"

namespace orvane {
namespace sdk {
namespace qthost {

using integration::services::OffscreenImageInterface;

QtOffscreenImageService::QtOffscreenImageService() = default;

QtOffscreenImageService::~QtOffscreenImageService() = default;

OffscreenImageInterface* QtOffscreenImageService::createImage(int width, int height)
{
    std::unique_ptr<QtOffscreenImage> image(new QtOffscreenImage(width, height));
    OffscreenImageInterface* handle = image.get();
    m_images[reinterpret_cast<long long>(handle)] = std::move(image);
    return handle;
}

void QtOffscreenImageService::destroyImage(long long imageHandle) { m_images.erase(imageHandle); }

bool QtOffscreenImageService::getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                                        unsigned char* blue)
{
    const auto found = m_images.find(imageHandle);
    return found != m_images.end() && found->second->readRow(row, red, green, blue);
}

std::size_t QtOffscreenImageService::imageCount() const { return m_images.size(); }

} // namespace qthost
} // namespace sdk
} // namespace orvane
