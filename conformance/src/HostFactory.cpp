#include "ovsdkhostconformance/HostFactory.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

HostFactory::~HostFactory() = default;

std::unique_ptr<integration::services::OffscreenImageServiceAbstract> HostFactory::createOffscreenImageService()
{
    return nullptr;
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
