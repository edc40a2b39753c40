#include "ovsdkqthost/QtManagerMiscService.h"

#include "ovsdkqthost/QtInputMapping.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>

namespace orvane {
namespace sdk {
namespace qthost {

namespace {

const double MillimetresPerInch = 25.4;
const double FallbackDotsPerInch = 96.0;

std::string versionOf(QOpenGLContext& context)
{
    const GLubyte* version = context.functions()->glGetString(GL_VERSION);
    return version != nullptr ? reinterpret_cast<const char*>(version) : std::string();
}

// Millimetres per device pixel along one axis.
double pitch(double millimetres, int logicalPixels, double ratio)
{
    const double devicePixels = logicalPixels * ratio;
    if (millimetres <= 0.0 || devicePixels <= 0.0)
        return MillimetresPerInch / FallbackDotsPerInch;
    return millimetres / devicePixels;
}

} // namespace

int QtManagerMiscService::getKeyboardModifiers() { return toLibraryModifiers(QGuiApplication::keyboardModifiers()); }

short QtManagerMiscService::translateKeyCode(int keyCode) { return engineKeyCode(keyCode); }

void QtManagerMiscService::getDotPitch(double* dotPitchX, double* dotPitchY)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSizeF physical = screen != nullptr ? screen->physicalSize() : QSizeF();
    const QSize logical = screen != nullptr ? screen->size() : QSize();
    const double ratio = getDevicePixelRatio();
    if (dotPitchX != nullptr)
        *dotPitchX = pitch(physical.width(), logical.width(), ratio);
    if (dotPitchY != nullptr)
        *dotPitchY = pitch(physical.height(), logical.height(), ratio);
}

void QtManagerMiscService::getScreenSize(int* width, int* height)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() * getDevicePixelRatio() : QSize();
    if (width != nullptr)
        *width = size.width();
    if (height != nullptr)
        *height = size.height();
}

bool QtManagerMiscService::isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e button)
{
    const Qt::MouseButton qtButton = toQtButton(button);
    return qtButton != Qt::NoButton && QGuiApplication::mouseButtons().testFlag(qtButton);
}

std::string QtManagerMiscService::getOpenGLVersionString()
{
    if (QOpenGLContext* current = QOpenGLContext::currentContext())
        return versionOf(*current);
    QOpenGLContext context;
    QOffscreenSurface surface;
    if (!context.create())
        return std::string();
    surface.setFormat(context.format());
    surface.create();
    if (!context.makeCurrent(&surface))
        return std::string();
    const std::string version = versionOf(context);
    context.doneCurrent();
    return version;
}

double QtManagerMiscService::getDevicePixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
