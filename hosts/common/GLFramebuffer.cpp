#include "GLFramebuffer.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstring>

namespace orvane {
namespace sdk {
namespace hostcommon {

// The OpenGL functions a framebuffer needs.
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
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
    bool complete = false;

    explicit Functions(ProcAddress procAddress)
    {
        const auto get = [procAddress](auto& function, const char* name) {
            void* const address = procAddress(name);
            std::memcpy(&function, &address, sizeof function);
            return function != nullptr;
        };
        complete = get(genFramebuffers, "glGenFramebuffers") && get(deleteFramebuffers, "glDeleteFramebuffers") &&
                   get(bindFramebuffer, "glBindFramebuffer") && get(genRenderbuffers, "glGenRenderbuffers") &&
                   get(deleteRenderbuffers, "glDeleteRenderbuffers") && get(bindRenderbuffer, "glBindRenderbuffer") &&
                   get(renderbufferStorage, "glRenderbufferStorage") &&
                   get(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
                   get(checkFramebufferStatus, "glCheckFramebufferStatus") && get(viewport, "glViewport") &&
                   get(pixelStorei, "glPixelStorei") && get(readPixels, "glReadPixels") && get(finish, "glFinish") &&
                   get(blitFramebuffer, "glBlitFramebuffer");
    }
};

GLFramebuffer::GLFramebuffer(ProcAddress procAddress)
    : m_gl(new Functions(procAddress)), m_framebuffer(0), m_renderbuffer(0), m_depthStencil(0), m_width(0), m_height(0)
{
    if (!m_gl->complete)
        return;
    m_gl->genFramebuffers(1, &m_framebuffer);
    m_gl->genRenderbuffers(1, &m_renderbuffer);
    m_gl->genRenderbuffers(1, &m_depthStencil);
}

GLFramebuffer::~GLFramebuffer()
{
    if (!m_gl->complete)
        return;
    m_gl->deleteFramebuffers(1, &m_framebuffer);
    m_gl->deleteRenderbuffers(1, &m_renderbuffer);
    m_gl->deleteRenderbuffers(1, &m_depthStencil);
}

bool GLFramebuffer::available() const { return m_gl->complete; }

bool GLFramebuffer::bind(int width, int height)
{
    m_gl->bindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    if (width != m_width || height != m_height)
    {
        m_gl->bindRenderbuffer(GL_RENDERBUFFER, m_renderbuffer);
        m_gl->renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        m_gl->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_renderbuffer);
        m_gl->bindRenderbuffer(GL_RENDERBUFFER, m_depthStencil);
        m_gl->renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
        m_gl->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, m_depthStencil);
        m_width = width;
        m_height = height;
    }
    if (m_gl->checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    {
        m_width = m_height = 0;
        unbind();
        return false;
    }
    m_gl->viewport(0, 0, width, height);
    return true;
}

void GLFramebuffer::unbind() { m_gl->bindFramebuffer(GL_FRAMEBUFFER, 0); }

void GLFramebuffer::read(int& width, int& height, std::vector<unsigned char>& rgba)
{
    m_gl->bindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl->finish();
    const std::size_t rowBytes = std::size_t(m_width) * 4;
    std::vector<unsigned char> bottomUp(rowBytes * std::size_t(m_height));
    m_gl->pixelStorei(GL_PACK_ALIGNMENT, 1);
    m_gl->readPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    width = m_width;
    height = m_height;
    rgba.resize(bottomUp.size());
    for (int row = 0; row < m_height; ++row)
        std::memcpy(&rgba[std::size_t(row) * rowBytes], &bottomUp[std::size_t(m_height - 1 - row) * rowBytes],
                    rowBytes);
}

void GLFramebuffer::copyTo(unsigned int target, int width, int height)
{
    width = std::min(width, m_width);
    height = std::min(height, m_height);
    m_gl->bindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    m_gl->bindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
    if (width > 0 && height > 0)
        m_gl->blitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    m_gl->bindFramebuffer(GL_FRAMEBUFFER, target);
}

unsigned int GLFramebuffer::name() const { return m_framebuffer; }

int GLFramebuffer::width() const { return m_width; }

int GLFramebuffer::height() const { return m_height; }

bool readRGBARow(const std::vector<unsigned char>& rgba, int width, int height, int row, unsigned char* red,
                 unsigned char* green, unsigned char* blue)
{
    if (row < 0 || row >= height || rgba.size() < std::size_t(width) * std::size_t(height) * 4)
        return false;
    const unsigned char* pixel = &rgba[std::size_t(row) * std::size_t(width) * 4];
    for (int column = 0; column < width; ++column, pixel += 4)
    {
        red[column] = pixel[0];
        green[column] = pixel[1];
        blue[column] = pixel[2];
    }
    return true;
}

} // namespace hostcommon
} // namespace sdk
} // namespace orvane
