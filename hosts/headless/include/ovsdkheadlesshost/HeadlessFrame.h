#ifndef OVSDKHEADLESSHOST_HEADLESSFRAME_H
#define OVSDKHEADLESSHOST_HEADLESSFRAME_H

#include "ovsdkheadlesshost/Export.h"

#include <vector>

namespace orvane {
namespace sdk {
namespace headlesshost {

// A picture the headless kit read back from OpenGL: a drawing area's last
// swapped frame or an offscreen image.
//
// Pixels are RGBA, one byte a channel, rows top row first (OpenGL's come
// bottom first; the kit turns them over).
struct OVSDKHEADLESSHOST_EXPORT HeadlessFrame
{
    // The picture's width in pixels; 0 before anything was read back.
    int width = 0;
    // The picture's height in pixels; 0 before anything was read back.
    int height = 0;
    // The pixels, RGBA rows top row first.
    std::vector<unsigned char> rgba; // width * height * 4 bytes

    // Whether the picture has no pixels (a width or height of 0 or less).
    bool empty() const;
    // The first byte of row `row` (0 at the top); null outside the picture.
    const unsigned char* row(int row) const;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSFRAME_H
