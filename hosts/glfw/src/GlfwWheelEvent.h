// The library's wheel event of a GLFW scroll in a drawing area: its
// position in device pixels, 120 per notch (positive away from the user),
// the buttons the loop knows are down.
#ifndef OVSDKGLFWHOST_GLFWWHEELEVENT_H
#define OVSDKGLFWHOST_GLFWWHEELEVENT_H

#include "ovsdkglfwhost/GlfwWindowEvent.h"

#include "integration/intern/MouseWheelEvent.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwEventLoop;
class GlfwGLDrawArea;

integration::intern::MouseWheelEvent wheelEventOf(const GlfwWindowEvent& scroll, const GlfwGLDrawArea& drawArea,
                                                  const GlfwEventLoop& loop);

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWWHEELEVENT_H
