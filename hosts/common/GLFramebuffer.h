// A framebuffer object with an RGBA colour and a depth-and-stencil
// renderbuffer, for a kit whose drawing areas or offscreen images draw into
// a framebuffer of their own,
// in the OpenGL context current when it is made, used, resized and deleted
// (the caller makes sure of that). Its OpenGL functions come from the
// toolkit's lookup (eglGetProcAddress, glfwGetProcAddress, GDK's) in that
// context.
#ifndef ORVANE_HOSTS_COMMON_GLFRAMEBUFFER_H
#define ORVANE_HOSTS_COMMON_GLFRAMEBUFFER_H

#include <memory>
#include <vector>

namespace orvane {
namespace sdk {
namespace hostcommon {

class GLFramebuffer
{
public:
    // An OpenGL function of the current context by name, null when unknown.
    typedef void* (*ProcAddress)(const char* name);

    // Resolves the functions and, when the context has them all, makes the
    // framebuffer and its renderbuffers (no storage yet).
    explicit GLFramebuffer(ProcAddress procAddress);
    // Deletes them.
    ~GLFramebuffer();
    GLFramebuffer(const GLFramebuffer&) = delete;
    GLFramebuffer& operator=(const GLFramebuffer&) = delete;

    // Whether the context has framebuffer objects; nothing below may be
    // called otherwise.
    bool available() const;
    // Binds it for drawing and reading at `width` x `height` (storage made
    // again when the size changed) and sets the viewport; false, unbound,
    // when OpenGL gives no complete framebuffer of that size.
    bool bind(int width, int height);
    void unbind();
    // Finishes the drawing and reads the picture: its size, and its pixels
    // as RGBA rows, top row first (OpenGL's come bottom first).
    void read(int& width, int& height, std::vector<unsigned char>& rgba);
    // Copies the picture into the framebuffer `target` at the same place, at
    // most `width` x `height`, and leaves `target` bound (a toolkit that owns
    // presentation shows it from there).
    void copyTo(unsigned int target, int width, int height);
    // OpenGL's name of the framebuffer object (a `target` of copyTo()).
    unsigned int name() const;
    // The size of the storage last made (0 x 0 before).
    int width() const;
    int height() const;

private:
    struct Functions;

    std::unique_ptr<const Functions> m_gl;
    unsigned int m_framebuffer;
    unsigned int m_renderbuffer;
    unsigned int m_depthStencil;
    int m_width;
    int m_height;
};

// Row `row` (0 at the top) of a `width` x `height` picture of RGBA rows, one
// byte a pixel in each of `red`, `green` and `blue`; false outside the
// picture (or for pixels too few for its size).
bool readRGBARow(const std::vector<unsigned char>& rgba, int width, int height, int row, unsigned char* red,
                 unsigned char* green, unsigned char* blue);

} // namespace hostcommon
} // namespace sdk
} // namespace orvane

#endif // ORVANE_HOSTS_COMMON_GLFRAMEBUFFER_H
