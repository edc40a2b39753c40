#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "ovexception/ExceptionBase.h"

#include <EGL/egl.h>
#include <GL/glx.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>

namespace orvane {
namespace sdk {
namespace gtkhost {

namespace {

const char LegacyFlag[] = "gl-legacy";
const char Advice[] = "call orvane::sdk::gtkhost::GtkLegacyGL::requestBeforeGtkInit() before gtk_init() (it sets "
                      "GDK_DEBUG=gl-legacy for the process)";

bool hasLegacyFlag(const char* flags)
{
    return flags != nullptr && std::strstr(flags, LegacyFlag) != nullptr;
}

std::string probe()
{
    GdkDisplay* const display = gdk_display_get_default();
    if (display == nullptr)
        return "GTK has no display: call gtk_init() first.";
    GError* error = nullptr;
    GdkGLContext* const context = gdk_display_create_gl_context(display, &error);
    if (context == nullptr || !gdk_gl_context_realize(context, &error))
    {
        std::string text = std::string("GTK makes no OpenGL context: ") + (error != nullptr ? error->message : "?");
        g_clear_error(&error);
        if (context != nullptr)
            g_object_unref(context);
        return text;
    }
    std::string text;
    // GDK knows the version once the context has been current.
    GdkGLContext* const previous = gdk_gl_context_get_current();
    gdk_gl_context_make_current(context);
    int major = 0, minor = 0;
    gdk_gl_context_get_version(context, &major, &minor);
    if (previous != nullptr)
        gdk_gl_context_make_current(previous);
    else
        gdk_gl_context_clear_current();
    const std::string version = std::to_string(major) + "." + std::to_string(minor);
    if (gdk_gl_context_get_api(context) != GDK_GL_API_GL)
        text = "GTK gives OpenGL ES " + version + " contexts, which cannot run the engine's OpenGL 1.x drawing: ";
    else if (!gdk_gl_context_is_legacy(context))
        text = "GTK gives OpenGL " + version +
               " contexts with a core profile, which cannot run the engine's OpenGL 1.x drawing: ";
    if (!text.empty())
        text += hasLegacyFlag(std::getenv("GDK_DEBUG")) ? std::string("GDK_DEBUG=gl-legacy is set, but the driver "
                                                                      "gives no compatibility profile.")
                                                        : std::string(Advice) + ".";
    g_object_unref(context);
    return text;
}

} // namespace

void GtkLegacyGL::requestBeforeGtkInit()
{
    if (gtk_is_initialized())
        throw ExceptionBase(std::string("GTK is initialised already: ") + Advice + ".");
    const char* flags = std::getenv("GDK_DEBUG");
    if (hasLegacyFlag(flags))
        return;
    const std::string value = flags != nullptr && *flags != '\0' ? std::string(flags) + "," + LegacyFlag : LegacyFlag;
    setenv("GDK_DEBUG", value.c_str(), 1);
}

std::string GtkLegacyGL::problem()
{
    static const std::string answer = probe();
    return answer;
}

void* GtkLegacyGL::procAddress(const char* name)
{
    if (eglGetCurrentContext() != EGL_NO_CONTEXT)
        return reinterpret_cast<void*>(eglGetProcAddress(name));
    if (glXGetCurrentContext() != nullptr)
        return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
    return nullptr;
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
