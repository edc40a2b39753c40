// A picture the headless kit read back from OpenGL: a drawing area's last
// swapped frame or an offscreen image.
//
// Pixels are RGBA, one byte a channel, rows top row first (OpenGL's come
// bottom first; the kit turns them over).
#ifndef OVSDKHEADLESSHOST_HEADLESSFRAME_H
#define OVSDKHEADLESSHOST_HEADLESSFRAME_H

#include "ovsdkheadlesshost/Export.h"

#include <vector>

namespace orvane {
namespace sdk {
namespace headlesshost {

struct OVSDKHEADLESSHOST_EXPORT HeadlessFrame
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba; // width * height * 4 bytes

    bool empty() const;
    // The first byte of row `row` (0 at the top); null outside the picture.
    const unsigned char* row(int row) const;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSFRAME_H
