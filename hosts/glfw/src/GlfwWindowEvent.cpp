#include "ovsdkglfwhost/GlfwWindowEvent.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

namespace {

GlfwWindowEvent make(GlfwWindowEvent::Kind kind, GLFWwindow* window)
{
    GlfwWindowEvent event;
    event.kind = kind;
    event.window = window;
    return event;
}

} // namespace

GlfwWindowEvent GlfwWindowEvent::makeKey(GLFWwindow* window, int key, int scancode, int action, int mods)
{
    GlfwWindowEvent event = make(Key, window);
    event.key = key;
    event.scancode = scancode;
    event.action = action;
    event.mods = mods;
    return event;
}

GlfwWindowEvent GlfwWindowEvent::makeCharacter(GLFWwindow* window, unsigned int codepoint)
{
    GlfwWindowEvent event = make(Character, window);
    event.character = codepoint;
    return event;
}

GlfwWindowEvent GlfwWindowEvent::makeMouseButton(GLFWwindow* window, int button, int action, int mods, double x,
                                                 double y)
{
    GlfwWindowEvent event = make(MouseButton, window);
    event.button = button;
    event.action = action;
    event.mods = mods;
    event.x = x;
    event.y = y;
    return event;
}

GlfwWindowEvent GlfwWindowEvent::makeCursorMoved(GLFWwindow* window, double x, double y, int mods)
{
    GlfwWindowEvent event = make(CursorMoved, window);
    event.x = x;
    event.y = y;
    event.mods = mods;
    return event;
}

GlfwWindowEvent GlfwWindowEvent::makeScroll(GLFWwindow* window, double scrollX, double scrollY, double x, double y,
                                            int mods)
{
    GlfwWindowEvent event = make(Scroll, window);
    event.scrollX = scrollX;
    event.scrollY = scrollY;
    event.x = x;
    event.y = y;
    event.mods = mods;
    return event;
}

GlfwWindowEvent GlfwWindowEvent::makeRefresh(GLFWwindow* window) { return make(Refresh, window); }

GlfwWindowEvent GlfwWindowEvent::makeFramebufferResized(GLFWwindow* window) { return make(FramebufferResized, window); }

GlfwWindowEvent GlfwWindowEvent::makeContentScaleChanged(GLFWwindow* window)
{
    return make(ContentScaleChanged, window);
}

GlfwWindowEvent GlfwWindowEvent::makeFocus(GLFWwindow* window, bool focused)
{
    GlfwWindowEvent event = make(Focus, window);
    event.focused = focused;
    return event;
}

bool GlfwWindowEvent::isInput() const
{
    return kind == Key || kind == MouseButton || kind == CursorMoved || kind == Scroll;
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
