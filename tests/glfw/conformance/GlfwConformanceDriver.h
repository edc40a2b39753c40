// The host conformance suite's driver of the GLFW kit's windows: it plays
// the window system by queueing GLFW's events in the kit's event loop, as
// the kit's GLFW callbacks do (keys by their GLFW key code followed by the
// character they type, as GLFW reports them on X11), and resizes windows
// through GLFW. Pixels come from the X server (the GLFW demo's screen grab),
// OpenGL functions from the current GLFW context.
#ifndef TESTS_GLFW_CONFORMANCE_GLFWCONFORMANCEDRIVER_H
#define TESTS_GLFW_CONFORMANCE_GLFWCONFORMANCEDRIVER_H

#include "ovsdkhostconformance/HostDriver.h"

struct GLFWwindow;

namespace orvane {
namespace sdk {
namespace glfwhost {
class GlfwEventLoop;
class GlfwGLDrawArea;
} // namespace glfwhost
} // namespace sdk
} // namespace orvane

class GlfwConformanceDriver : public orvane::sdk::hostconformance::HostDriver
{
public:
    explicit GlfwConformanceDriver(orvane::sdk::glfwhost::GlfwEventLoop& loop);

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
    static orvane::sdk::glfwhost::GlfwGLDrawArea& area(DrawArea& drawArea);
    // Screen coordinates of a position in device pixels.
    static double screen(DrawArea& drawArea, int devicePixels);
    void button(DrawArea& drawArea, MouseButton button, bool press, int x, int y, int modifiers);
    void key(DrawArea& drawArea, int key, bool press, int modifiers);

    orvane::sdk::glfwhost::GlfwEventLoop& m_loop;
};

#endif // TESTS_GLFW_CONFORMANCE_GLFWCONFORMANCEDRIVER_H
