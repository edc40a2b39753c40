#include "ovsdkgtkhost/GtkOffscreenImage.h"

#include "GtkFramebuffer.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "ovexception/ExceptionBase.h"

#include <epoxy/gl.h>
#include <gtk/gtk.h>

namespace orvane {
namespace sdk {
namespace gtkhost {

GtkOffscreenImage::GtkOffscreenImage(int width, int height)
    : m_width(width), m_height(height), m_glContext(nullptr), m_framebuffer(new GtkFramebuffer), m_context(*this)
{
    if (width < 1 || height < 1)
        throw ExceptionBase("An offscreen image needs a size of at least 1 x 1 pixels.");
    const std::string problem = GtkLegacyGL::problem();
    if (!problem.empty())
        throw ExceptionBase("No offscreen image can be made: " + problem);
    GdkDisplay* const display = gdk_display_get_default();
    m_glContext = display != nullptr ? gdk_display_create_gl_context(display, nullptr) : nullptr;
    if (m_glContext == nullptr || !gdk_gl_context_realize(m_glContext, nullptr))
    {
        if (m_glContext != nullptr)
            g_object_unref(m_glContext);
        throw ExceptionBase("No OpenGL context could be created for the offscreen image.");
    }
    GdkGLContext* const previous = gdk_gl_context_get_current();
    gdk_gl_context_make_current(m_glContext);
    const bool made = m_framebuffer->bind(width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!made)
    {
        gdk_gl_context_clear_current();
        g_object_unref(m_glContext);
        throw ExceptionBase("No OpenGL framebuffer of the offscreen image's size could be created.");
    }
    if (previous != nullptr)
        gdk_gl_context_make_current(previous);
    else
        gdk_gl_context_clear_current();
}

GtkOffscreenImage::~GtkOffscreenImage()
{
    GdkGLContext* const previous = gdk_gl_context_get_current();
    gdk_gl_context_make_current(m_glContext);
    m_framebuffer->release();
    if (previous != nullptr && previous != m_glContext)
        gdk_gl_context_make_current(previous);
    else
        gdk_gl_context_clear_current();
    g_object_unref(m_glContext);
}

bool GtkOffscreenImage::render(ExportRegion_e) { return true; }

integration::GLContextInterface& GtkOffscreenImage::getGLContext() { return m_context; }

bool GtkOffscreenImage::readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const
{
    if (row < 0 || row >= m_height || m_pixels.empty())
        return false;
    const unsigned char* pixel = &m_pixels[std::size_t(m_height - 1 - row) * std::size_t(m_width) * 3];
    for (int column = 0; column < m_width; ++column)
    {
        red[column] = *pixel++;
        green[column] = *pixel++;
        blue[column] = *pixel++;
    }
    return true;
}

GtkOffscreenImage::Context::Context(GtkOffscreenImage& image) : m_image(image) {}

void GtkOffscreenImage::Context::swapBuffers() {}

bool GtkOffscreenImage::Context::makeCurrent()
{
    gdk_gl_context_make_current(m_image.m_glContext);
    return gdk_gl_context_get_current() == m_image.m_glContext &&
           m_image.m_framebuffer->bind(m_image.m_width, m_image.m_height);
}

bool GtkOffscreenImage::Context::releaseCurrent()
{
    if (gdk_gl_context_get_current() == m_image.m_glContext)
    {
        m_image.m_framebuffer->read(m_image.m_pixels);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        gdk_gl_context_clear_current();
    }
    return true;
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
