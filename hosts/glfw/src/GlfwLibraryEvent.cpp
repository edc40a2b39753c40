#include "GlfwLibraryEvent.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"

#include <GLFW/glfw3.h>

#include <cmath>

namespace orvane {
namespace sdk {
namespace glfwhost {

namespace {

const int WheelDeltaPerNotch = 120;

} // namespace

integration::intern::MouseWheelEvent wheelEventOf(const GlfwWindowEvent& scroll, const GlfwGLDrawArea& drawArea,
                                                  const GlfwEventLoop& loop)
{
    const bool vertical = scroll.scrollY != 0.0;
    const int delta = int(std::lround((vertical ? scroll.scrollY : scroll.scrollX) * WheelDeltaPerNotch));
    return integration::intern::MouseWheelEvent(
        drawArea.toDevicePixels(scroll.x), drawArea.toDevicePixels(scroll.y), delta,
        loop.isButtonDown(GLFW_MOUSE_BUTTON_LEFT), loop.isButtonDown(GLFW_MOUSE_BUTTON_MIDDLE),
        loop.isButtonDown(GLFW_MOUSE_BUTTON_RIGHT),
        vertical ? integration::MouseWheelEventInterface::Orientation_Vertical
                 : integration::MouseWheelEventInterface::Orientation_Horizontal);
}

integration::intern::MouseAndKeyListenerSets::MouseAction_e mouseActionOf(const GlfwWindowEvent& event)
{
    typedef integration::intern::MouseAndKeyListenerSets Sets;
    if (event.kind == GlfwWindowEvent::CursorMoved)
        return Sets::MouseAction_Moved;
    if (event.action == GLFW_RELEASE)
        return Sets::MouseAction_Released;
    return event.action == GlfwEventLoop::DoublePress ? Sets::MouseAction_DoublePressed : Sets::MouseAction_Pressed;
}

integration::MouseEventInterface::MouseButton_e mouseButtonOf(const GlfwWindowEvent& event)
{
    return event.kind == GlfwWindowEvent::CursorMoved ? integration::MouseEventInterface::MouseButton_None
                                                      : toLibraryButton(event.button);
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
