// A framebuffer object with one RGBA colour renderbuffer, in the OpenGL
// context current when it is made, used, resized and deleted (the caller
// makes sure of that). Its functions are resolved through
// eglGetProcAddress.
#ifndef OVSDKHEADLESSHOST_GLFRAMEBUFFER_H
#define OVSDKHEADLESSHOST_GLFRAMEBUFFER_H

#include "ovsdkheadlesshost/HeadlessFrame.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

class GLFramebuffer
{
public:
    // Throws orvane::ExceptionBase when the context lacks framebuffer
    // objects.
    GLFramebuffer();
    ~GLFramebuffer();
    GLFramebuffer(const GLFramebuffer&) = delete;
    GLFramebuffer& operator=(const GLFramebuffer&) = delete;

    // Binds it for drawing and reading at `width` x `height` (storage made
    // again when the size changed) and sets the viewport; false when
    // OpenGL gives no complete framebuffer of that size.
    bool bind(int width, int height);
    void unbind();
    // Finishes the drawing and reads the picture into `frame`, top row first.
    void read(HeadlessFrame& frame);

private:
    struct Functions;

    const Functions& m_gl;
    unsigned int m_framebuffer;
    unsigned int m_renderbuffer;
    int m_width;
    int m_height;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_GLFRAMEBUFFER_H
