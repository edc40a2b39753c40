// Draws plain colours with OpenGL functions the host's driver resolves, in
// the context current now: a frame or an offscreen picture the suite knows.
#ifndef OVSDKHOSTCONFORMANCE_GLPAINTER_H
#define OVSDKHOSTCONFORMANCE_GLPAINTER_H

#include "ovsdkhostconformance/HostDriver.h"

#include <string>

namespace orvane {
namespace sdk {
namespace hostconformance {

class GLPainter
{
public:
    struct Colour
    {
        unsigned char red, green, blue;
        bool operator==(const Colour& other) const;
        std::string text() const;
    };

    explicit GLPainter(HostDriver& driver);

    // Fills the rectangle (OpenGL's window coordinates: y grows upwards) of
    // the current context's framebuffer, or all of it with a width of 0.
    // False when the driver resolves no OpenGL function.
    bool fill(Colour colour, int x = 0, int y = 0, int width = 0, int height = 0);

private:
    HostDriver& m_driver;
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_GLPAINTER_H
