#include "ovsdkgtkhost/GtkOffscreenImage.h"

#include "GLFramebuffer.h"
#include "GtkFramebuffer.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "ovexception/ExceptionBase.h"

#include <gtk/gtk.h>

namespace orvane {
namespace sdk {
namespace gtkhost {

GtkOffscreenImage::GtkOffscreenImage(int width, int height) : m_width(width), m_height(height), m_context(*this)
{
    if (width < 1 || height < 1)
        throw ExceptionBase("An offscreen image needs a size of at least 1 x 1 pixels.");
    const std::string problem = GtkLegacyGL::problem();
    if (!problem.empty())
        throw ExceptionBase("No offscreen image can be made: " + problem);
    GdkDisplay* const display = gdk_display_get_default();
    GdkGLContext* const context = display != nullptr ? gdk_display_create_gl_context(display, nullptr) : nullptr;
    const bool realized = context != nullptr && gdk_gl_context_realize(context, nullptr);
    if (realized)
        m_framebuffer.reset(new GtkFramebuffer(context));
    if (context != nullptr)
        g_object_unref(context);
    if (!realized)
        throw ExceptionBase("No OpenGL context could be created for the offscreen image.");
    if (!m_framebuffer->framebuffer().available())
        throw ExceptionBase("The OpenGL context of the offscreen image has no framebuffer objects.");
    GdkGLContext* const previous = gdk_gl_context_get_current();
    const bool made = m_framebuffer->makeCurrent(width, height);
    m_framebuffer->releaseCurrent();
    if (previous != nullptr)
        gdk_gl_context_make_current(previous);
    if (!made)
        throw ExceptionBase("No OpenGL framebuffer of the offscreen image's size could be created.");
}

GtkOffscreenImage::~GtkOffscreenImage() = default;

bool GtkOffscreenImage::render(ExportRegion_e) { return true; }

integration::GLContextInterface& GtkOffscreenImage::getGLContext() { return m_context; }

bool GtkOffscreenImage::readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const
{
    return hostcommon::readRGBARow(m_rgba, m_width, m_height, row, red, green, blue);
}

GtkOffscreenImage::Context::Context(GtkOffscreenImage& image) : m_image(image) {}

void GtkOffscreenImage::Context::swapBuffers() {}

bool GtkOffscreenImage::Context::makeCurrent() { return m_image.m_framebuffer->makeCurrent(m_image.m_width, m_image.m_height); }

bool GtkOffscreenImage::Context::releaseCurrent()
{
    if (m_image.m_framebuffer->isCurrent())
        m_image.m_framebuffer->framebuffer().read(m_image.m_width, m_image.m_height, m_image.m_rgba);
    m_image.m_framebuffer->releaseCurrent();
    return true;
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
