#include "ovsdkglfwhost/GlfwManagerMiscService.h"

#include "GlfwHiddenWindow.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"

#include <GLFW/glfw3.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

namespace {

const double MillimetresPerInch = 25.4;
const double FallbackDotsPerInch = 96.0;

// The version text of the context current now.
std::string currentVersion()
{
    typedef const unsigned char* (*GetString)(unsigned int);
    const auto getString = reinterpret_cast<GetString>(glfwGetProcAddress("glGetString"));
    const unsigned char* version = getString != nullptr ? getString(GL_VERSION) : nullptr;
    return version != nullptr ? reinterpret_cast<const char*>(version) : std::string();
}

// Millimetres per device pixel along one axis.
double pitch(int millimetres, int devicePixels)
{
    if (millimetres <= 0 || devicePixels <= 0)
        return MillimetresPerInch / FallbackDotsPerInch;
    return double(millimetres) / devicePixels;
}

const GLFWvidmode* primaryMode()
{
    GLFWmonitor* const monitor = glfwGetPrimaryMonitor();
    return monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
}

} // namespace

GlfwManagerMiscService::GlfwManagerMiscService(GlfwEventLoop& loop) : m_loop(loop) {}

int GlfwManagerMiscService::getKeyboardModifiers() { return m_loop.keyboardModifiers(); }

short GlfwManagerMiscService::translateKeyCode(int keyCode) { return engineKeyCode(keyCode); }

void GlfwManagerMiscService::getDotPitch(double* dotPitchX, double* dotPitchY)
{
    int widthMillimetres = 0, heightMillimetres = 0, width = 0, height = 0;
    if (GLFWmonitor* const monitor = glfwGetPrimaryMonitor())
        glfwGetMonitorPhysicalSize(monitor, &widthMillimetres, &heightMillimetres);
    getScreenSize(&width, &height);
    if (dotPitchX != nullptr)
        *dotPitchX = pitch(widthMillimetres, width);
    if (dotPitchY != nullptr)
        *dotPitchY = pitch(heightMillimetres, height);
}

void GlfwManagerMiscService::getScreenSize(int* width, int* height)
{
    const GLFWvidmode* mode = primaryMode();
    const double ratio = getDevicePixelRatio();
    if (width != nullptr)
        *width = mode != nullptr ? int(mode->width * ratio) : 0;
    if (height != nullptr)
        *height = mode != nullptr ? int(mode->height * ratio) : 0;
}

bool GlfwManagerMiscService::isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e button)
{
    return m_loop.isButtonDown(toGlfwButton(button));
}

std::string GlfwManagerMiscService::getOpenGLVersionString()
{
    if (glfwGetCurrentContext() != nullptr)
        return currentVersion();
    const GlfwHiddenWindow hidden;
    if (hidden.window() == nullptr)
        return std::string();
    glfwMakeContextCurrent(hidden.window());
    const std::string version = currentVersion();
    glfwMakeContextCurrent(nullptr);
    return version;
}

double GlfwManagerMiscService::getDevicePixelRatio() { return m_loop.devicePixelRatio(); }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
