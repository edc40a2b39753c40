#include "ovsdkgtkhost/GtkOffscreenImageService.h"

#include "ovsdkgtkhost/GtkOffscreenImage.h"

namespace orvane {
namespace sdk {
namespace gtkhost {

using integration::services::OffscreenImageInterface;

GtkOffscreenImageService::GtkOffscreenImageService() = default;

GtkOffscreenImageService::~GtkOffscreenImageService() = default;

OffscreenImageInterface* GtkOffscreenImageService::createImage(int width, int height)
{
    std::unique_ptr<GtkOffscreenImage> image(new GtkOffscreenImage(width, height));
    OffscreenImageInterface* handle = image.get();
    m_images[reinterpret_cast<long long>(handle)] = std::move(image);
    return handle;
}

void GtkOffscreenImageService::destroyImage(long long imageHandle) { m_images.erase(imageHandle); }

bool GtkOffscreenImageService::getRGBRow(long long imageHandle, int row, unsigned char* red,
                                          unsigned char* green, unsigned char* blue)
{
    const auto found = m_images.find(imageHandle);
    return found != m_images.end() && found->second->readRow(row, red, green, blue);
}

std::size_t GtkOffscreenImageService::imageCount() const { return m_images.size(); }

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
