#ifndef OVSDKGLFWHOST_GLFWMANAGERMISCSERVICE_H
#define OVSDKGLFWHOST_GLFWMANAGERMISCSERVICE_H

#include "ovsdkglfwhost/Export.h"

#include "integration/services/ManagerMiscServiceAbstract.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwEventLoop;

// The engine's and the library's queries about screen, keyboard and mouse,
// answered with GLFW.
//
// Implements: ManagerMiscService: keyboard modifiers of the input the
// GlfwEventLoop is delivering (or delivered last) and the mouse buttons
// down after the input delivered so far (mapped as GlfwInputMapping.h
// describes); key-code translation with engineKeyCode(); the primary
// monitor's size in device pixels (its video mode times the device pixel
// ratio) and its dot pitch in millimetres per device pixel (0.264583 for
// 96 dpi when the monitor reports no physical size); the OpenGL version
// text of the current context, or of a hidden window's context made for
// the question when none is current (empty when none can be made); the
// loop's device pixel ratio (the focused drawing area's).
// Leaves to the application: making it current before the engine starts.
class OVSDKGLFWHOST_EXPORT GlfwManagerMiscService : public integration::services::ManagerMiscServiceAbstract
{
public:
    // Answers from `loop`, which outlives it.
    explicit GlfwManagerMiscService(GlfwEventLoop& loop);

    int getKeyboardModifiers() override;
    short translateKeyCode(int keyCode) override;
    void getDotPitch(double* dotPitchX, double* dotPitchY) override;
    void getScreenSize(int* width, int* height) override;
    bool isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e button) override;
    std::string getOpenGLVersionString() override;
    double getDevicePixelRatio() override;

private:
    GlfwEventLoop& m_loop;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWMANAGERMISCSERVICE_H
