// The host conformance suite's driver of the Qt kit's windows: QTest's
// synthetic input and window events, posted to the event loop so that they
// wait there as the window system's events do; screen pixels from the X
// server, OpenGL functions from the current Qt context.
#ifndef TESTS_QT_CONFORMANCE_QTCONFORMANCEDRIVER_H
#define TESTS_QT_CONFORMANCE_QTCONFORMANCEDRIVER_H

#include "ovsdkhostconformance/HostDriver.h"

#include <QPoint>

#include <functional>

namespace orvane {
namespace sdk {
namespace qthost {
class QtGLDrawArea;
}
} // namespace sdk
} // namespace orvane

class QtConformanceDriver : public orvane::sdk::hostconformance::HostDriver
{
public:
    void processEvents() override;
    void resize(DrawArea& drawArea, int width, int height) override;
    void expose(DrawArea& drawArea) override;
    void focusIn(DrawArea& drawArea) override;
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
    static orvane::sdk::qthost::QtGLDrawArea& window(DrawArea& drawArea);
    // Logical window coordinates of a position in device pixels.
    static QPoint logical(DrawArea& drawArea, int x, int y);
    // Runs `action` on the window once the event loop gets to it.
    static void post(DrawArea& drawArea, std::function<void(orvane::sdk::qthost::QtGLDrawArea&)> action);
};

#endif // TESTS_QT_CONFORMANCE_QTCONFORMANCEDRIVER_H
