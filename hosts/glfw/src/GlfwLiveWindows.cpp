#include "GlfwLiveWindows.h"

#include <GLFW/glfw3.h>

#include <set>

namespace orvane {
namespace sdk {
namespace glfwhost {

namespace {

// GLFW runs on the main thread only, and so does this set.
std::set<GLFWwindow*>& liveWindows()
{
    static std::set<GLFWwindow*> windows;
    return windows;
}

} // namespace

GLFWwindow* GlfwLiveWindows::create(int width, int height, const char* title)
{
    GLFWwindow* const window = glfwCreateWindow(width, height, title, nullptr, nullptr);
    if (window != nullptr)
        liveWindows().insert(window);
    return window;
}

void GlfwLiveWindows::destroy(GLFWwindow* window)
{
    liveWindows().erase(window);
    glfwDestroyWindow(window);
}

bool GlfwLiveWindows::contains(GLFWwindow* window) { return liveWindows().count(window) != 0; }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
