#include "ovsdkheadlesshost/HeadlessFrame.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

bool HeadlessFrame::empty() const { return width <= 0 || height <= 0; }

const unsigned char* HeadlessFrame::row(int row) const
{
    if (row < 0 || row >= height || rgba.size() < std::size_t(width) * std::size_t(height) * 4)
        return nullptr;
    return &rgba[std::size_t(row) * std::size_t(width) * 4];
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
