#include "GtkFramebuffer.h"

#include <epoxy/gl.h>

#include <algorithm>

namespace orvane {
namespace sdk {
namespace gtkhost {

GtkFramebuffer::~GtkFramebuffer() { release(); }

bool GtkFramebuffer::bind(int width, int height)
{
    if (width < 1 || height < 1)
        return false;
    if (m_framebuffer == 0 || width != m_width || height != m_height)
    {
        release();
        glGenRenderbuffers(1, &m_colour);
        glBindRenderbuffer(GL_RENDERBUFFER, m_colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glGenRenderbuffers(1, &m_depthStencil);
        glBindRenderbuffer(GL_RENDERBUFFER, m_depthStencil);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
        glGenFramebuffers(1, &m_framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colour);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, m_depthStencil);
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        {
            release();
            return false;
        }
        m_width = width;
        m_height = height;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    glViewport(0, 0, width, height);
    return true;
}

void GtkFramebuffer::copyTo(unsigned target, int width, int height) const
{
    if (m_framebuffer == 0)
        return;
    width = std::min(width, m_width);
    height = std::min(height, m_height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
    glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, target);
}

void GtkFramebuffer::read(std::vector<unsigned char>& rgb) const
{
    rgb.resize(std::size_t(m_width) * std::size_t(m_height) * 3);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
}

void GtkFramebuffer::release()
{
    if (m_framebuffer != 0)
        glDeleteFramebuffers(1, &m_framebuffer);
    if (m_colour != 0)
        glDeleteRenderbuffers(1, &m_colour);
    if (m_depthStencil != 0)
        glDeleteRenderbuffers(1, &m_depthStencil);
    m_framebuffer = m_colour = m_depthStencil = 0;
    m_width = m_height = 0;
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
