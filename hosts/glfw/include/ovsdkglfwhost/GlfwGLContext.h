#ifndef OVSDKGLFWHOST_GLFWGLCONTEXT_H
#define OVSDKGLFWHOST_GLFWGLCONTEXT_H

#include "ovsdkglfwhost/Export.h"

#include "integration/GLContextInterface.h"

struct GLFWwindow;

namespace orvane {
namespace sdk {
namespace glfwhost {

// GLContextInterface over the OpenGL context of a GLFW window.
//
// Implements: makeCurrent (glfwMakeContextCurrent on the window; false
// without a window), releaseCurrent (no context current afterwards, if this
// one was) and swapBuffers. The engine asks for the swap after it has
// released the context, and GLX and EGL swap only a current context: the
// swap makes this context current for itself when it is not, and gives the
// thread back the context that was current before. Buffers are swapped only
// when the library asks, so a frame the render decider refuses never
// reaches the screen.
// Leaves to the application: nothing; drawing areas and offscreen images
// make their own.
class OVSDKGLFWHOST_EXPORT GlfwGLContext : public integration::GLContextInterface
{
public:
    // The window is not owned; null (or setWindow(nullptr) once it is
    // destroyed) makes every call fail harmlessly.
    explicit GlfwGLContext(GLFWwindow* window = nullptr);

    // Uses `window` (may be null) from now on.
    void setWindow(GLFWwindow* window);
    // The window in use, or null.
    GLFWwindow* window() const;

    void swapBuffers() override;
    bool makeCurrent() override;
    bool releaseCurrent() override;

    // Resolves an OpenGL function in the thread's current GLFW context;
    // null when no context is current. Handed to an engine that draws with
    // OpenGL.
    static void* currentContextProcAddress(const char* name);

private:
    GLFWwindow* m_window;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWGLCONTEXT_H
