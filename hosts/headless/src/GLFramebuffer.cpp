#include "GLFramebuffer.h"

#include "ovsdkheadlesshost/HeadlessDisplay.h"

#include "ovexception/ExceptionBase.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

namespace orvane {
namespace sdk {
namespace headlesshost {

// The OpenGL functions a framebuffer needs; EGL's are the same for every
// context of the process, so they are resolved once.
struct GLFramebuffer::Functions
{
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    void (*viewport)(GLint, GLint, GLsizei, GLsizei) = nullptr;
    void (*pixelStorei)(GLenum, GLint) = nullptr;
    void (*readPixels)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*) = nullptr;
    void (*finish)() = nullptr;
    bool complete = false;

    Functions()
    {
        complete = get(genFramebuffers, "glGenFramebuffers") && get(deleteFramebuffers, "glDeleteFramebuffers") &&
                   get(bindFramebuffer, "glBindFramebuffer") && get(genRenderbuffers, "glGenRenderbuffers") &&
                   get(deleteRenderbuffers, "glDeleteRenderbuffers") && get(bindRenderbuffer, "glBindRenderbuffer") &&
                   get(renderbufferStorage, "glRenderbufferStorage") &&
                   get(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
                   get(checkFramebufferStatus, "glCheckFramebufferStatus") && get(viewport, "glViewport") &&
                   get(pixelStorei, "glPixelStorei") && get(readPixels, "glReadPixels") && get(finish, "glFinish");
    }

    template <typename Function>
    static bool get(Function& function, const char* name)
    {
        void* const address = HeadlessDisplay::procAddress(name);
        std::memcpy(&function, &address, sizeof function);
        return function != nullptr;
    }

    static const Functions& instance()
    {
        static const Functions functions;
        if (!functions.complete)
            throw ExceptionBase("OpenGL framebuffer objects are missing: the EGL driver offers no glGenFramebuffers.");
        return functions;
    }
};

GLFramebuffer::GLFramebuffer()
    : m_gl(Functions::instance()), m_framebuffer(0), m_renderbuffer(0), m_width(0), m_height(0)
{
    m_gl.genFramebuffers(1, &m_framebuffer);
    m_gl.genRenderbuffers(1, &m_renderbuffer);
}

GLFramebuffer::~GLFramebuffer()
{
    m_gl.deleteFramebuffers(1, &m_framebuffer);
    m_gl.deleteRenderbuffers(1, &m_renderbuffer);
}

bool GLFramebuffer::bind(int width, int height)
{
    m_gl.bindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    if (width != m_width || height != m_height)
    {
        m_gl.bindRenderbuffer(GL_RENDERBUFFER, m_renderbuffer);
        m_gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        m_gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_renderbuffer);
        m_width = width;
        m_height = height;
    }
    if (m_gl.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    {
        m_width = m_height = 0;
        unbind();
        return false;
    }
    m_gl.viewport(0, 0, width, height);
    return true;
}

void GLFramebuffer::unbind() { m_gl.bindFramebuffer(GL_FRAMEBUFFER, 0); }

void GLFramebuffer::read(HeadlessFrame& frame)
{
    m_gl.bindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl.finish();
    const std::size_t rowBytes = std::size_t(m_width) * 4;
    std::vector<unsigned char> bottomUp(rowBytes * std::size_t(m_height));
    m_gl.pixelStorei(GL_PACK_ALIGNMENT, 1);
    m_gl.readPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    frame.width = m_width;
    frame.height = m_height;
    frame.rgba.resize(bottomUp.size());
    for (int row = 0; row < m_height; ++row)
        std::memcpy(&frame.rgba[std::size_t(row) * rowBytes], &bottomUp[std::size_t(m_height - 1 - row) * rowBytes],
                    rowBytes);
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
