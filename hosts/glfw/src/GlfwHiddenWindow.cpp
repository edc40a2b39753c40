#include "GlfwHiddenWindow.h"

#include <GLFW/glfw3.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwHiddenWindow::GlfwHiddenWindow() : m_window(nullptr)
{
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    m_window = glfwCreateWindow(1, 1, "OpenGL", nullptr, nullptr);
    glfwDefaultWindowHints();
}

GlfwHiddenWindow::~GlfwHiddenWindow()
{
    if (m_window != nullptr)
        glfwDestroyWindow(m_window);
}

GLFWwindow* GlfwHiddenWindow::window() const { return m_window; }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
