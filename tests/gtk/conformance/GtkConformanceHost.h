// The GTK kit as the host conformance suite gets it: its drawing areas,
// monitor and services, and a driver that plays the window system and the
// user. GTK 4 makes no events of its own, so input and focus are queued
// with GtkGLDrawArea::post() and take the event controllers' road from
// there; resizes go through the window's default size, an expose is GTK
// asking the area to paint by itself (gtk_gl_area_queue_render), destruction is
// gtk_window_destroy() from the main loop. Pixels come from the X server,
// OpenGL functions from GDK's current context.
#ifndef TESTS_GTK_CONFORMANCE_GTKCONFORMANCEHOST_H
#define TESTS_GTK_CONFORMANCE_GTKCONFORMANCEHOST_H

#include "ovsdkhostconformance/HostFactory.h"

namespace orvane {
namespace sdk {
namespace gtkhost {
class GtkGLDrawArea;
struct GtkInputEvent;
} // namespace gtkhost
} // namespace sdk
} // namespace orvane

class GtkConformanceDriver : public orvane::sdk::hostconformance::HostDriver
{
public:
    void processEvents() override;
    void resize(DrawArea& drawArea, int width, int height) override;
    void expose(DrawArea& drawArea) override;
    void focusIn(DrawArea& drawArea) override;
    // The focus event is posted: it is reported whether or not the area
    // had the focus.
    bool mayFocusInFocusedWindow() override;
    void focusOut(DrawArea& drawArea) override;
    void destroyWindow(DrawArea& drawArea) override;
    void pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override;
    void releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override;
    void moveMouse(DrawArea& drawArea, int x, int y, int modifiers) override;
    void turnWheel(DrawArea& drawArea, int x, int y, int delta) override;
    void pressKey(DrawArea& drawArea, int key, int modifiers) override;
    void releaseKey(DrawArea& drawArea, int key, int modifiers) override;
    double pixelRatio(DrawArea& drawArea) override;
    void* glProcAddress(const char* name) override;
    bool grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb) override;

private:
    static orvane::sdk::gtkhost::GtkGLDrawArea& area(DrawArea& drawArea);
    static void post(DrawArea& drawArea, const orvane::sdk::gtkhost::GtkInputEvent& event);
    // Logical pixels of a position in device pixels.
    static double logical(DrawArea& drawArea, int devicePixels);
};

class GtkConformanceFactory : public orvane::sdk::hostconformance::HostFactory
{
public:
    std::unique_ptr<orvane::sdk::integration::GLDrawAreaInterface> createDrawArea(int width, int height) override;
    std::unique_ptr<orvane::sdk::integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        orvane::sdk::integration::ManagerInterface& manager) override;
    std::unique_ptr<orvane::sdk::integration::services::ManagerMiscServiceAbstract> createMiscService() override;
    std::unique_ptr<orvane::sdk::integration::services::OffscreenImageServiceAbstract>
    createOffscreenImageService() override;
    orvane::sdk::hostconformance::HostDriver& driver() override;

private:
    GtkConformanceDriver m_driver;
    int m_placed = 0;
};

#endif // TESTS_GTK_CONFORMANCE_GTKCONFORMANCEHOST_H
