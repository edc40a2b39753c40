// A hidden 1 x 1 GLFW window, for its OpenGL context: offscreen images draw
// with it, and questions about OpenGL are asked in it. The window goes with
// the object.
#ifndef OVSDKGLFWHOST_GLFWHIDDENWINDOW_H
#define OVSDKGLFWHOST_GLFWHIDDENWINDOW_H

struct GLFWwindow;

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwHiddenWindow
{
public:
    GlfwHiddenWindow();
    ~GlfwHiddenWindow();
    GlfwHiddenWindow(const GlfwHiddenWindow&) = delete;
    GlfwHiddenWindow& operator=(const GlfwHiddenWindow&) = delete;

    // Null when GLFW could make none.
    GLFWwindow* window() const;

private:
    GLFWwindow* m_window;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWHIDDENWINDOW_H
