#include "ovsdkheadlesshost/HeadlessManagerMiscService.h"

#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessEventLoop.h"

#include "ovexception/ExceptionBase.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessManagerMiscService::HeadlessManagerMiscService(HeadlessEventLoop& loop, HeadlessDisplay& display)
    : m_loop(loop), m_display(display), m_width(1920), m_height(1080), m_dotPitch(25.4 / 96.0), m_pixelRatio(1.0)
{
}

void HeadlessManagerMiscService::setScreen(int width, int height, double dotPitch, double pixelRatio)
{
    m_width = width;
    m_height = height;
    m_dotPitch = dotPitch;
    m_pixelRatio = pixelRatio;
}

int HeadlessManagerMiscService::getKeyboardModifiers() { return m_loop.keyboardModifiers(); }

short HeadlessManagerMiscService::translateKeyCode(int keyCode) { return static_cast<short>(keyCode); }

void HeadlessManagerMiscService::getDotPitch(double* dotPitchX, double* dotPitchY)
{
    *dotPitchX = m_dotPitch;
    *dotPitchY = m_dotPitch;
}

void HeadlessManagerMiscService::getScreenSize(int* width, int* height)
{
    *width = m_width;
    *height = m_height;
}

bool HeadlessManagerMiscService::isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e button)
{
    return m_loop.isButtonDown(button);
}

std::string HeadlessManagerMiscService::getOpenGLVersionString()
{
    try
    {
        return m_display.openGLVersion();
    }
    catch (const ExceptionBase&)
    {
        return std::string();
    }
}

double HeadlessManagerMiscService::getDevicePixelRatio() { return m_pixelRatio; }

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
