#ifndef ORVANE_INTEGRATION_SERVICES_OWNINGOFFSCREENIMAGESERVICE_H
#define ORVANE_INTEGRATION_SERVICES_OWNINGOFFSCREENIMAGESERVICE_H

#include "integration/services/OffscreenImageServiceAbstract.h"

#include <cstddef>
#include <map>
#include <memory>
#include <type_traits>

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// An offscreen image service that owns the images it makes, of the host's
// image class `Image`: an OffscreenImageInterface that hands out the rows of
// the picture last drawn into it with
// `bool readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const`
// (false for a row it cannot give). Where `Image(width, height)` makes an
// image, the service is ready as it is.
//
// Implements: createImage() with makeImage(), the image owned
// until the engine destroys it (or the service goes) and named by its
// address; destroyImage() and getRGBRow() by that handle: a handle the
// service did not hand out reads nothing and destroys nothing.
// Leaves to the host: makeImage() where `Image` has no constructor of the
// size; imageGoing() where an image leaves something for the next one. An
// image that cannot be made throws orvane::ExceptionBase with a readable
// message, which the library reports to the engine.
//
// Thread safety: GUI thread only, as the engine's image callbacks come.
template <typename Image>
class OwningOffscreenImageService : public OffscreenImageServiceAbstract
{
public:
    // Deletes the images the engine has not destroyed.
    ~OwningOffscreenImageService() override = default;

    // The image makeImage() makes, owned by the service from now on.
    OffscreenImageInterface* createImage(int width, int height) override
    {
        std::unique_ptr<Image> image = makeImage(width, height);
        OffscreenImageInterface* const handle = image.get();
        m_images[reinterpret_cast<long long>(handle)] = std::move(image);
        return handle;
    }
    // Deletes the image, after imageGoing().
    void destroyImage(long long imageHandle) override
    {
        const auto found = m_images.find(imageHandle);
        if (found == m_images.end())
            return;
        imageGoing(*found->second);
        m_images.erase(found);
    }
    // The image's readRow().
    bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                   unsigned char* blue) override
    {
        const auto found = m_images.find(imageHandle);
        return found != m_images.end() && found->second->readRow(row, red, green, blue);
    }

    // The number of images made and not yet destroyed.
    std::size_t imageCount() const { return m_images.size(); }

protected:
    // A new image of `width` x `height` pixels: by default
    // `Image(width, height)`, or none (null) where `Image` has no such
    // constructor.
    //
    // @errors orvane::ExceptionBase when none can be made.
    virtual std::unique_ptr<Image> makeImage(int width, int height)
    {
        if constexpr (std::is_constructible<Image, int, int>::value)
            return std::unique_ptr<Image>(new Image(width, height));
        else
            return nullptr;
    }
    // `image` is about to be deleted, as the engine destroyed it; by default
    // nothing happens.
    virtual void imageGoing(Image& image) { static_cast<void>(image); }

private:
    std::map<long long, std::unique_ptr<Image>> m_images; // by handle
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_OWNINGOFFSCREENIMAGESERVICE_H
