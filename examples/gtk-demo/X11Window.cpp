#include "X11Window.h"

#include "ovsdkgtkhost/GtkGLDrawArea.h"

#include <gdk/x11/gdkx.h>
#include <gtk/gtk.h>

namespace {

unsigned char channel(unsigned long pixel, unsigned long mask)
{
    for (; mask != 0 && (mask & 1) == 0; mask >>= 1)
        pixel >>= 1;
    return static_cast<unsigned char>(pixel & mask);
}

GdkSurface* x11Surface(GtkWidget* widget)
{
    GtkNative* const native = widget != nullptr ? gtk_widget_get_native(widget) : nullptr;
    GdkSurface* const surface = native != nullptr ? gtk_native_get_surface(native) : nullptr;
    return surface != nullptr && GDK_IS_X11_SURFACE(surface) ? surface : nullptr;
}

} // namespace

bool X11Window::place(GtkWindow* window, int x, int y)
{
    gtk_widget_realize(GTK_WIDGET(window));
    GdkSurface* const surface = x11Surface(GTK_WIDGET(window));
    if (surface == nullptr)
        return false;
    const int scale = gdk_surface_get_scale_factor(surface);
    XMoveWindow(GDK_SURFACE_XDISPLAY(surface), GDK_SURFACE_XID(surface), x * scale, y * scale);
    return true;
}

bool X11Window::grab(orvane::sdk::gtkhost::GtkGLDrawArea& drawArea, int& width, int& height,
                     std::vector<unsigned char>& rgb)
{
    GtkWidget* const area = drawArea.glArea();
    GdkSurface* const surface = x11Surface(area);
    drawArea.getSize(width, height);
    if (surface == nullptr || width < 1 || height < 1)
        return false;
    // The area's place in the surface: the window's shadow, then the
    // area's place in the window.
    GtkNative* const native = gtk_widget_get_native(area);
    double shadowX = 0.0, shadowY = 0.0;
    gtk_native_get_surface_transform(native, &shadowX, &shadowY);
    graphene_point_t origin = GRAPHENE_POINT_INIT(0.0f, 0.0f), inWindow;
    if (!gtk_widget_compute_point(area, GTK_WIDGET(native), &origin, &inWindow))
        return false;
    const int scale = gdk_surface_get_scale_factor(surface);
    XImage* const image = XGetImage(GDK_SURFACE_XDISPLAY(surface), GDK_SURFACE_XID(surface),
                                    int((shadowX + inWindow.x) * scale), int((shadowY + inWindow.y) * scale),
                                    unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    rgb.clear();
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
        {
            const unsigned long pixel = XGetPixel(image, column, row);
            rgb.insert(rgb.end(), {channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                                   channel(pixel, image->blue_mask)});
        }
    XDestroyImage(image);
    return true;
}
