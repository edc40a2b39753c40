#include "GlfwHiddenWindow.h"

#include "GlfwLiveWindows.h"

#include <GLFW/glfw3.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwHiddenWindow::GlfwHiddenWindow() : m_window(nullptr)
{
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    m_window = GlfwLiveWindows::create(1, 1, "OpenGL");
    glfwDefaultWindowHints();
}

GlfwHiddenWindow::~GlfwHiddenWindow()
{
    if (m_window != nullptr)
        GlfwLiveWindows::destroy(m_window);
}

GLFWwindow* GlfwHiddenWindow::window() const { return m_window; }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
