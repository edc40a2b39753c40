#include "GtkFramebuffer.h"

#include "GLFramebuffer.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "util/ScopedExitAction.h"

#include <gtk/gtk.h>

namespace orvane {
namespace sdk {
namespace gtkhost {

namespace {

// Makes `context` current until the returned action runs, which makes the
// context current before current again (none if that was `context`).
ScopedExitAction currentFor(GdkGLContext* context)
{
    GdkGLContext* const previous = gdk_gl_context_get_current();
    gdk_gl_context_make_current(context);
    return ScopedExitAction([previous, context] {
        if (previous != nullptr && previous != context)
            gdk_gl_context_make_current(previous);
        else
            gdk_gl_context_clear_current();
    });
}

} // namespace

GtkFramebuffer::GtkFramebuffer(GdkGLContext* context) : m_context(GDK_GL_CONTEXT(g_object_ref(context)))
{
    const ScopedExitAction restore = currentFor(m_context);
    m_framebuffer.reset(new hostcommon::GLFramebuffer(&GtkLegacyGL::procAddress));
}

GtkFramebuffer::~GtkFramebuffer()
{
    {
        const ScopedExitAction restore = currentFor(m_context);
        m_front.reset();
        m_framebuffer.reset();
    }
    g_object_unref(m_context);
}

bool GtkFramebuffer::makeCurrent(int width, int height)
{
    gdk_gl_context_make_current(m_context);
    return isCurrent() && m_framebuffer->available() && m_framebuffer->bind(width, height);
}

bool GtkFramebuffer::isCurrent() const { return gdk_gl_context_get_current() == m_context; }

void GtkFramebuffer::releaseCurrent()
{
    if (!isCurrent())
        return;
    if (m_framebuffer->available())
        m_framebuffer->unbind();
    gdk_gl_context_clear_current();
}

hostcommon::GLFramebuffer& GtkFramebuffer::framebuffer() { return *m_framebuffer; }

void GtkFramebuffer::swap()
{
    if (!m_framebuffer->available())
        return;
    const ScopedExitAction restore = currentFor(m_context);
    if (m_front == nullptr)
        m_front.reset(new hostcommon::GLFramebuffer(&GtkLegacyGL::procAddress));
    const int width = m_framebuffer->width(), height = m_framebuffer->height();
    if (m_front->bind(width, height))
        m_framebuffer->copyTo(m_front->name(), width, height);
}

void GtkFramebuffer::copyFrontTo(unsigned int target, int width, int height)
{
    if (m_front != nullptr)
        m_front->copyTo(target, width, height);
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
