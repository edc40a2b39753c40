// The GLFW windows the kit has made and not destroyed yet. A window pointer
// kept across code that may destroy windows (a busy pass runs the
// application's handlers) is still a window only while it is here.
#ifndef OVSDKGLFWHOST_GLFWLIVEWINDOWS_H
#define OVSDKGLFWHOST_GLFWLIVEWINDOWS_H

struct GLFWwindow;

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwLiveWindows
{
public:
    GlfwLiveWindows() = delete;

    // glfwCreateWindow, with the hints set now; null when GLFW made none.
    static GLFWwindow* create(int width, int height, const char* title);
    // glfwDestroyWindow.
    static void destroy(GLFWwindow* window);
    static bool contains(GLFWwindow* window);
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWLIVEWINDOWS_H
