#include "ovsdkglfwhost/GlfwGLContext.h"

#include <GLFW/glfw3.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwGLContext::GlfwGLContext(GLFWwindow* window) : m_window(window) {}

void GlfwGLContext::setWindow(GLFWwindow* window) { m_window = window; }

GLFWwindow* GlfwGLContext::window() const { return m_window; }

void GlfwGLContext::swapBuffers()
{
    if (m_window == nullptr)
        return;
    GLFWwindow* const previous = glfwGetCurrentContext();
    if (previous != m_window)
        glfwMakeContextCurrent(m_window);
    glfwSwapBuffers(m_window);
    if (previous != m_window)
        glfwMakeContextCurrent(previous);
}

bool GlfwGLContext::makeCurrent()
{
    if (m_window == nullptr)
        return false;
    glfwMakeContextCurrent(m_window);
    return glfwGetCurrentContext() == m_window;
}

bool GlfwGLContext::releaseCurrent()
{
    if (m_window != nullptr && glfwGetCurrentContext() == m_window)
        glfwMakeContextCurrent(nullptr);
    return true;
}

void* GlfwGLContext::currentContextProcAddress(const char* name)
{
    return glfwGetCurrentContext() != nullptr ? reinterpret_cast<void*>(glfwGetProcAddress(name)) : nullptr;
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
