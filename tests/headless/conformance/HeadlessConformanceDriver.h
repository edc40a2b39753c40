// The host conformance suite's driver of the headless kit's drawing areas:
// it plays the window system and the user by posting HeadlessEvents to the
// kit's event loop. What a drawing area "shows" is its last swapped frame;
// OpenGL functions come from the kit's EGL display.
#ifndef TESTS_HEADLESS_CONFORMANCE_HEADLESSCONFORMANCEDRIVER_H
#define TESTS_HEADLESS_CONFORMANCE_HEADLESSCONFORMANCEDRIVER_H

#include "ovsdkheadlesshost/HeadlessEvent.h"
#include "ovsdkhostconformance/HostDriver.h"

namespace orvane {
namespace sdk {
namespace headlesshost {
class HeadlessEventLoop;
class HeadlessGLDrawArea;
} // namespace headlesshost
} // namespace sdk
} // namespace orvane

class HeadlessConformanceDriver : public orvane::sdk::hostconformance::HostDriver
{
public:
    explicit HeadlessConformanceDriver(orvane::sdk::headlesshost::HeadlessEventLoop& loop);

    void processEvents() override;
    void resize(DrawArea& drawArea, int width, int height) override;
    void expose(DrawArea& drawArea) override;
    void focusIn(DrawArea& drawArea) override;
    void focusOut(DrawArea& drawArea) override;
    // False, though the kit reports every focus-in: the suite's other order
    // (a focus out first) runs here, the other drivers' order elsewhere.
    bool mayFocusInFocusedWindow() override { return false; }
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
    static orvane::sdk::headlesshost::HeadlessGLDrawArea& area(DrawArea& drawArea);
    void post(DrawArea& drawArea, const orvane::sdk::headlesshost::HeadlessEvent& event);

    orvane::sdk::headlesshost::HeadlessEventLoop& m_loop;
};

#endif // TESTS_HEADLESS_CONFORMANCE_HEADLESSCONFORMANCEDRIVER_H
