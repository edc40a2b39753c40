#include "GtkConformanceHost.h"

#include "X11Window.h"

#include "ovsdkgtkhost/GtkApplicationEventMonitor.h"
#include "ovsdkgtkhost/GtkGLDrawArea.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"
#include "ovsdkgtkhost/GtkManagerMiscService.h"
#include "ovsdkgtkhost/GtkOffscreenImageService.h"

#include <gtk/gtk.h>

#include <chrono>

using namespace orvane::sdk;
using gtkhost::GtkGLDrawArea;
using gtkhost::GtkInputEvent;

namespace {

const int Escape = 27;

unsigned gdkModifiers(int modifiers)
{
    return ((modifiers & 1) != 0 ? GDK_SHIFT_MASK : 0) | ((modifiers & 2) != 0 ? GDK_CONTROL_MASK : 0) |
           ((modifiers & 4) != 0 ? GDK_ALT_MASK : 0);
}

} // namespace

void GtkConformanceDriver::processEvents()
{
    // Twice: what the window system answers a few milliseconds later too.
    // The loop waits for them, as an application's does, and so goes idle.
    for (int round = 0; round < 2; ++round)
    {
        while (g_main_context_iteration(nullptr, FALSE))
        {
        }
        bool waited = false;
        g_timeout_add(3, [](gpointer waited) -> gboolean {
            *static_cast<bool*>(waited) = true;
            return G_SOURCE_REMOVE;
        }, &waited);
        while (!waited)
            g_main_context_iteration(nullptr, TRUE);
    }
}

void GtkConformanceDriver::resize(DrawArea& drawArea, int width, int height)
{
    gtk_window_set_default_size(area(drawArea).window(), int(logical(drawArea, width)), int(logical(drawArea, height)));
}

void GtkConformanceDriver::expose(DrawArea& drawArea)
{
    // GTK asks the area to paint by itself, once the frame handed over last
    // has been painted (a request of its own would merge with that one).
    struct Expose
    {
        GtkGLDrawArea* drawArea;
        GtkWidget* widget;
    };
    g_timeout_add_full(G_PRIORITY_DEFAULT, 2, [](gpointer data) -> gboolean {
        const Expose& expose = *static_cast<Expose*>(data);
        // Without a parent the window, and with it the drawing area, is gone.
        if (gtk_widget_get_parent(expose.widget) != nullptr && expose.drawArea->framePending())
            return G_SOURCE_CONTINUE;
        gtk_gl_area_queue_render(GTK_GL_AREA(expose.widget));
        return G_SOURCE_REMOVE;
    }, new Expose{&area(drawArea), GTK_WIDGET(g_object_ref(area(drawArea).glArea()))}, [](gpointer data) {
        g_object_unref(static_cast<Expose*>(data)->widget);
        delete static_cast<Expose*>(data);
    });
}

void GtkConformanceDriver::focusIn(DrawArea& drawArea) { post(drawArea, GtkInputEvent::focusEvent(true)); }

bool GtkConformanceDriver::mayFocusInFocusedWindow() { return true; }

void GtkConformanceDriver::focusOut(DrawArea& drawArea) { post(drawArea, GtkInputEvent::focusEvent(false)); }

void GtkConformanceDriver::destroyWindow(DrawArea& drawArea)
{
    GtkWindow* const window = area(drawArea).window();
    g_idle_add_full(G_PRIORITY_DEFAULT, [](gpointer window) -> gboolean {
        gtk_window_destroy(GTK_WINDOW(window));
        return G_SOURCE_REMOVE;
    }, g_object_ref(window), g_object_unref);
}

void GtkConformanceDriver::pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers)
{
    post(drawArea, GtkInputEvent::buttonEvent(GtkInputEvent::ButtonPress, unsigned(button), logical(drawArea, x),
                                              logical(drawArea, y), gdkModifiers(modifiers)));
}

void GtkConformanceDriver::releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers)
{
    post(drawArea, GtkInputEvent::buttonEvent(GtkInputEvent::ButtonRelease, unsigned(button), logical(drawArea, x),
                                              logical(drawArea, y), gdkModifiers(modifiers)));
}

void GtkConformanceDriver::moveMouse(DrawArea& drawArea, int x, int y, int modifiers)
{
    post(drawArea, GtkInputEvent::motionEvent(logical(drawArea, x), logical(drawArea, y), gdkModifiers(modifiers)));
}

void GtkConformanceDriver::turnWheel(DrawArea& drawArea, int x, int y, int delta)
{
    post(drawArea, GtkInputEvent::motionEvent(logical(drawArea, x), logical(drawArea, y), 0));
    post(drawArea, GtkInputEvent::scrollEvent(0.0, -delta / 120.0, logical(drawArea, x), logical(drawArea, y), 0));
}

void GtkConformanceDriver::pressKey(DrawArea& drawArea, int key, int modifiers)
{
    post(drawArea, GtkInputEvent::keyEvent(GtkInputEvent::KeyPress,
                                           key == Escape ? GDK_KEY_Escape : gdk_unicode_to_keyval(unsigned(key)),
                                           gdkModifiers(modifiers)));
}

void GtkConformanceDriver::releaseKey(DrawArea& drawArea, int key, int modifiers)
{
    post(drawArea, GtkInputEvent::keyEvent(GtkInputEvent::KeyRelease,
                                           key == Escape ? GDK_KEY_Escape : gdk_unicode_to_keyval(unsigned(key)),
                                           gdkModifiers(modifiers)));
}

double GtkConformanceDriver::pixelRatio(DrawArea& drawArea) { return area(drawArea).devicePixelRatio(); }

void* GtkConformanceDriver::glProcAddress(const char* name) { return gtkhost::GtkLegacyGL::procAddress(name); }

bool GtkConformanceDriver::grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb)
{
    return area(drawArea).isExposed() && X11Window::grab(area(drawArea), width, height, rgb);
}

GtkGLDrawArea& GtkConformanceDriver::area(DrawArea& drawArea) { return dynamic_cast<GtkGLDrawArea&>(drawArea); }

void GtkConformanceDriver::post(DrawArea& drawArea, const GtkInputEvent& event) { area(drawArea).post(event); }

double GtkConformanceDriver::logical(DrawArea& drawArea, int devicePixels)
{
    return devicePixels / area(drawArea).devicePixelRatio();
}

std::unique_ptr<integration::GLDrawAreaInterface> GtkConformanceFactory::createDrawArea(int width, int height)
{
    // Six places side by side, taken in turn, in logical pixels.
    const int place = m_placed++ % 6;
    GdkMonitor* const monitor =
        GDK_MONITOR(g_list_model_get_item(gdk_display_get_monitors(gdk_display_get_default()), 0));
    const int scale = gdk_monitor_get_scale_factor(monitor);
    g_object_unref(monitor);
    std::unique_ptr<GtkGLDrawArea> drawArea(new GtkGLDrawArea(width / scale, height / scale, "conformance"));
    X11Window::place(drawArea->window(), place % 3 * 660 / scale, place / 3 * 500 / scale);
    gtk_window_present(drawArea->window());
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!drawArea->isExposed() && std::chrono::steady_clock::now() < end)
        m_driver.processEvents();
    if (!drawArea->isExposed())
        return nullptr;
    return drawArea;
}

std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> GtkConformanceFactory::createMonitor(
    integration::ManagerInterface& manager)
{
    return std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract>(
        new gtkhost::GtkApplicationEventMonitor(manager));
}

std::unique_ptr<integration::services::ManagerMiscServiceAbstract> GtkConformanceFactory::createMiscService()
{
    return std::unique_ptr<integration::services::ManagerMiscServiceAbstract>(new gtkhost::GtkManagerMiscService);
}

std::unique_ptr<integration::services::OffscreenImageServiceAbstract>
GtkConformanceFactory::createOffscreenImageService()
{
    return std::unique_ptr<integration::services::OffscreenImageServiceAbstract>(
        new gtkhost::GtkOffscreenImageService);
}

hostconformance::HostDriver& GtkConformanceFactory::driver() { return m_driver; }
