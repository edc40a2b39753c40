// A GLFW window event of a drawing area in the library's terms, as both the
// drawing area and the monitor report it.
#ifndef OVSDKGLFWHOST_GLFWLIBRARYEVENT_H
#define OVSDKGLFWHOST_GLFWLIBRARYEVENT_H

#include "ovsdkglfwhost/GlfwWindowEvent.h"

#include "integration/intern/MouseAndKeyListenerSets.h"
#include "integration/intern/MouseWheelEvent.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwEventLoop;
class GlfwGLDrawArea;

// The wheel event of a scroll: its position in device pixels, 120 per notch
// (positive away from the user), the buttons the loop knows are down.
integration::intern::MouseWheelEvent wheelEventOf(const GlfwWindowEvent& scroll, const GlfwGLDrawArea& drawArea,
                                                  const GlfwEventLoop& loop);
// What a cursor move or a mouse button event tells: a move, a press, a
// double press (GlfwEventLoop::DoublePress) or a release.
integration::intern::MouseAndKeyListenerSets::MouseAction_e mouseActionOf(const GlfwWindowEvent& event);
// The button of a mouse button event (GlfwInputMapping.h); none for a move.
integration::MouseEventInterface::MouseButton_e mouseButtonOf(const GlfwWindowEvent& event);

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWLIBRARYEVENT_H
