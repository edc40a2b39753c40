#include "ovsdkgtkhost/GtkManagerMiscService.h"

#include "GtkInputState.h"

#include <epoxy/gl.h>
#include <gtk/gtk.h>

namespace orvane {
namespace sdk {
namespace gtkhost {

namespace {

const double MillimetresPerInch = 25.4;
const double FallbackDotsPerInch = 96.0;

double pitch(int millimetres, int devicePixels)
{
    if (millimetres <= 0 || devicePixels <= 0)
        return MillimetresPerInch / FallbackDotsPerInch;
    return double(millimetres) / devicePixels;
}

// The first monitor of the default display (a new reference), or null.
GdkMonitor* firstMonitor()
{
    GdkDisplay* const display = gdk_display_get_default();
    GListModel* const monitors = display != nullptr ? gdk_display_get_monitors(display) : nullptr;
    return monitors != nullptr && g_list_model_get_n_items(monitors) > 0
               ? GDK_MONITOR(g_list_model_get_item(monitors, 0))
               : nullptr;
}

std::string currentVersion()
{
    const GLubyte* version = glGetString(GL_VERSION);
    return version != nullptr ? reinterpret_cast<const char*>(version) : std::string();
}

} // namespace

int GtkManagerMiscService::getKeyboardModifiers() { return GtkInputState::instance().modifiers(); }

short GtkManagerMiscService::translateKeyCode(int keyCode) { return engineKeyCode(keyCode); }

void GtkManagerMiscService::getDotPitch(double* dotPitchX, double* dotPitchY)
{
    int width = 0, height = 0;
    getScreenSize(&width, &height);
    GdkMonitor* const monitor = firstMonitor();
    if (dotPitchX != nullptr)
        *dotPitchX = pitch(monitor != nullptr ? gdk_monitor_get_width_mm(monitor) : 0, width);
    if (dotPitchY != nullptr)
        *dotPitchY = pitch(monitor != nullptr ? gdk_monitor_get_height_mm(monitor) : 0, height);
    if (monitor != nullptr)
        g_object_unref(monitor);
}

void GtkManagerMiscService::getScreenSize(int* width, int* height)
{
    GdkRectangle geometry{0, 0, 0, 0};
    int scale = 1;
    if (GdkMonitor* const monitor = firstMonitor())
    {
        gdk_monitor_get_geometry(monitor, &geometry);
        scale = gdk_monitor_get_scale_factor(monitor);
        g_object_unref(monitor);
    }
    if (width != nullptr)
        *width = geometry.width * scale;
    if (height != nullptr)
        *height = geometry.height * scale;
}

bool GtkManagerMiscService::isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e button)
{
    switch (button)
    {
    case integration::MouseEventInterface::MouseButton_1: return GtkInputState::instance().isButtonDown(1);
    case integration::MouseEventInterface::MouseButton_2: return GtkInputState::instance().isButtonDown(2);
    case integration::MouseEventInterface::MouseButton_3: return GtkInputState::instance().isButtonDown(3);
    default: return false;
    }
}

std::string GtkManagerMiscService::getOpenGLVersionString()
{
    if (gdk_gl_context_get_current() != nullptr)
        return currentVersion();
    GdkDisplay* const display = gdk_display_get_default();
    GdkGLContext* const context = display != nullptr ? gdk_display_create_gl_context(display, nullptr) : nullptr;
    std::string version;
    if (context != nullptr && gdk_gl_context_realize(context, nullptr))
    {
        gdk_gl_context_make_current(context);
        version = currentVersion();
        gdk_gl_context_clear_current();
    }
    if (context != nullptr)
        g_object_unref(context);
    return version;
}

double GtkManagerMiscService::getDevicePixelRatio() { return GtkInputState::instance().devicePixelRatio(); }

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
