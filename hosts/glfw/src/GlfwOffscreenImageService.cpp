#include "ovsdkglfwhost/GlfwOffscreenImageService.h"

#include "ovsdkglfwhost/GlfwOffscreenImage.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

using integration::services::OffscreenImageInterface;

GlfwOffscreenImageService::GlfwOffscreenImageService() = default;

GlfwOffscreenImageService::~GlfwOffscreenImageService() = default;

OffscreenImageInterface* GlfwOffscreenImageService::createImage(int width, int height)
{
    std::unique_ptr<GlfwOffscreenImage> image(new GlfwOffscreenImage(width, height));
    OffscreenImageInterface* handle = image.get();
    m_images[reinterpret_cast<long long>(handle)] = std::move(image);
    return handle;
}

void GlfwOffscreenImageService::destroyImage(long long imageHandle) { m_images.erase(imageHandle); }

bool GlfwOffscreenImageService::getRGBRow(long long imageHandle, int row, unsigned char* red,
                                          unsigned char* green, unsigned char* blue)
{
    const auto found = m_images.find(imageHandle);
    return found != m_images.end() && found->second->readRow(row, red, green, blue);
}

std::size_t GlfwOffscreenImageService::imageCount() const { return m_images.size(); }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
