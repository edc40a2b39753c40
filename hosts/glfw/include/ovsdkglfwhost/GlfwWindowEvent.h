// One event of a GLFW window as its callback received it, waiting in the
// event loop's queue (GlfwEventLoop) until the loop delivers it.
//
// Values are GLFW's own: key codes, scancodes, actions, buttons and
// modifier bits (GLFW_MOD_SHIFT, _CONTROL and _ALT are the library's bits
// 1, 2 and 4); positions in the window's screen coordinates, as GLFW gives
// them. The kit's callbacks fill in what GLFW leaves out of a callback (the
// pointer position of a button or scroll, the modifiers held during a move
// or scroll). A program that plays the window system (a test driver) posts
// events made with the functions below.
#ifndef OVSDKGLFWHOST_GLFWWINDOWEVENT_H
#define OVSDKGLFWHOST_GLFWWINDOWEVENT_H

#include "ovsdkglfwhost/Export.h"

struct GLFWwindow;

namespace orvane {
namespace sdk {
namespace glfwhost {

struct OVSDKGLFWHOST_EXPORT GlfwWindowEvent
{
    enum Kind
    {
        Key,                // key, scancode, action, mods; character: what a press typed
        Character,          // character: a text character GLFW reported
        MouseButton,        // button, action, mods at x, y
        CursorMoved,        // x, y with mods held
        Scroll,             // scrollX, scrollY (notches) at x, y with mods held
        Refresh,            // the window must be redrawn (exposed)
        FramebufferResized, // the framebuffer's size changed
        ContentScaleChanged,
        Focus               // focused: gained or lost the input focus
    };

    static GlfwWindowEvent makeKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static GlfwWindowEvent makeCharacter(GLFWwindow* window, unsigned int codepoint);
    static GlfwWindowEvent makeMouseButton(GLFWwindow* window, int button, int action, int mods, double x, double y);
    static GlfwWindowEvent makeCursorMoved(GLFWwindow* window, double x, double y, int mods);
    static GlfwWindowEvent makeScroll(GLFWwindow* window, double scrollX, double scrollY, double x, double y, int mods);
    static GlfwWindowEvent makeRefresh(GLFWwindow* window);
    static GlfwWindowEvent makeFramebufferResized(GLFWwindow* window);
    static GlfwWindowEvent makeContentScaleChanged(GLFWwindow* window);
    static GlfwWindowEvent makeFocus(GLFWwindow* window, bool focused);

    bool isInput() const;

    Kind kind = Refresh;
    GLFWwindow* window = nullptr;
    int key = 0;
    int scancode = 0;
    int action = 0;
    int button = 0;
    int mods = 0;
    unsigned int character = 0; // 0: none
    double x = 0.0;
    double y = 0.0;
    double scrollX = 0.0;
    double scrollY = 0.0;
    bool focused = false;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWWINDOWEVENT_H
