// Draws plain colours the way the engine draws, with OpenGL 1.x immediate
// mode calls (glBegin, glColor, glVertex) the host's driver resolves, in the
// context current now: a frame or an offscreen picture the suite knows. A
// context that cannot run them (a core profile, OpenGL ES) is named, so
// that the suite can say why every plot of the host would stay blank.
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

    // What fill() made of the current context.
    enum Result_e
    {
        Result_Painted,
        // The driver resolves no OpenGL function: the pixels cannot be checked.
        Result_NoOpenGL,
        // The context cannot run OpenGL 1.x drawing; see legacyFailure().
        Result_NotLegacy
    };

    explicit GLPainter(HostDriver& driver);

    // Fills the rectangle (OpenGL's window coordinates: y grows upwards) of
    // the current context's framebuffer, setting the viewport to it as the
    // engine sets it to the drawing area's size.
    Result_e fill(Colour colour, int x, int y, int width, int height);

    // After Result_NotLegacy: the failure text for `hostClass`, whose context
    // it was, naming the context's profile and what to change.
    std::string legacyFailure(const std::string& hostClass) const;

private:
    Result_e refuse(const std::string& context);

    HostDriver& m_driver;
    std::string m_refusedContext; // what the last refused context was
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_GLPAINTER_H
