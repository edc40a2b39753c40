// A framebuffer object (RGBA colour, depth and stencil renderbuffers) in the
// OpenGL context current when it is made, bound, read and deleted (the
// caller makes sure of that); OpenGL through libepoxy, as GTK has it.
#ifndef OVSDKGTKHOST_GTKFRAMEBUFFER_H
#define OVSDKGTKHOST_GTKFRAMEBUFFER_H

#include <vector>

namespace orvane {
namespace sdk {
namespace gtkhost {

class GtkFramebuffer
{
public:
    GtkFramebuffer() = default;
    ~GtkFramebuffer();
    GtkFramebuffer(const GtkFramebuffer&) = delete;
    GtkFramebuffer& operator=(const GtkFramebuffer&) = delete;

    // Binds it for drawing and reading at `width` x `height` (storage made
    // again when the size changed: the picture goes) and sets the viewport;
    // false when OpenGL gives no complete framebuffer of that size.
    bool bind(int width, int height);
    // Copies the picture into the framebuffer `target` (bound for drawing
    // again afterwards), at the same place, at most `width` x `height`.
    void copyTo(unsigned target, int width, int height) const;
    // Finishes the drawing and reads the picture, RGB, bottom row first.
    void read(std::vector<unsigned char>& rgb) const;
    // Deletes the OpenGL objects.
    void release();
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    unsigned m_framebuffer = 0;
    unsigned m_colour = 0;
    unsigned m_depthStencil = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKFRAMEBUFFER_H
