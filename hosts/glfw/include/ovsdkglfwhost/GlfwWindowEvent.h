#ifndef OVSDKGLFWHOST_GLFWWINDOWEVENT_H
#define OVSDKGLFWHOST_GLFWWINDOWEVENT_H

#include "ovsdkglfwhost/Export.h"

struct GLFWwindow;

namespace orvane {
namespace sdk {
namespace glfwhost {

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
struct OVSDKGLFWHOST_EXPORT GlfwWindowEvent
{
    // What happened; it says which fields below hold values.
    enum Kind
    {
        // key, scancode, action, mods; character: what a press typed.
        Key,
        // character: a text character GLFW reported.
        Character,
        // button, action, mods at x, y.
        MouseButton,
        // x, y with mods held.
        CursorMoved,
        // scrollX, scrollY (notches) at x, y with mods held.
        Scroll,
        // The window must be redrawn (exposed).
        Refresh,
        // The framebuffer's size changed.
        FramebufferResized,
        // The window's content scale changed.
        ContentScaleChanged,
        // focused: gained or lost the input focus.
        Focus
    };

    // A key event, as GLFW's key callback gets it.
    static GlfwWindowEvent makeKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    // A text character, as GLFW's character callback gets it.
    static GlfwWindowEvent makeCharacter(GLFWwindow* window, unsigned int codepoint);
    // A button press or release at (x, y).
    static GlfwWindowEvent makeMouseButton(GLFWwindow* window, int button, int action, int mods, double x, double y);
    // A pointer move to (x, y).
    static GlfwWindowEvent makeCursorMoved(GLFWwindow* window, double x, double y, int mods);
    // A scroll by (scrollX, scrollY) notches at (x, y).
    static GlfwWindowEvent makeScroll(GLFWwindow* window, double scrollX, double scrollY, double x, double y, int mods);
    // The window must be redrawn.
    static GlfwWindowEvent makeRefresh(GLFWwindow* window);
    // The window's framebuffer changed size.
    static GlfwWindowEvent makeFramebufferResized(GLFWwindow* window);
    // The window's content scale changed.
    static GlfwWindowEvent makeContentScaleChanged(GLFWwindow* window);
    // The window gained (true) or lost the input focus.
    static GlfwWindowEvent makeFocus(GLFWwindow* window, bool focused);

    // Whether it is user input: a key, button, move or scroll (a text
    // character is not).
    bool isInput() const;

    // What happened.
    Kind kind = Refresh;
    // The window it happened to.
    GLFWwindow* window = nullptr;
    // Key: GLFW's key code.
    int key = 0;
    // Key: the platform's scancode.
    int scancode = 0;
    // Key, MouseButton: GLFW_PRESS, GLFW_RELEASE or GLFW_REPEAT.
    int action = 0;
    // MouseButton: GLFW's button number.
    int button = 0;
    // GLFW's modifier bits held.
    int mods = 0;
    // Key, Character: the character typed; 0: none.
    unsigned int character = 0;
    // The pointer's horizontal position, in screen coordinates.
    double x = 0.0;
    // The pointer's vertical position, in screen coordinates.
    double y = 0.0;
    // Scroll: horizontal notches.
    double scrollX = 0.0;
    // Scroll: vertical notches.
    double scrollY = 0.0;
    // Focus: gained (true) or lost.
    bool focused = false;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWWINDOWEVENT_H
