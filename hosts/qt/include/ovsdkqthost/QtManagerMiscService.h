#ifndef OVSDKQTHOST_QTMANAGERMISCSERVICE_H
#define OVSDKQTHOST_QTMANAGERMISCSERVICE_H

#include "ovsdkqthost/Export.h"

#include "integration/services/ManagerMiscServiceAbstract.h"

namespace orvane {
namespace sdk {
namespace qthost {

// The engine's and the library's queries about screen, keyboard and mouse,
// answered by Qt.
//
// Implements: ManagerMiscService: keyboard modifiers and mouse buttons as
// QGuiApplication last saw them (mapped as QtInputMapping.h describes);
// key-code translation with engineKeyCode(); the primary screen's size in
// device pixels and its dot pitch in millimetres per device pixel (0.264583
// for 96 dpi when the screen reports no physical size); the OpenGL version
// text of the current context, or of a context made for the question when
// none is current (empty when none can be made); the primary screen's
// device pixel ratio (1 without a screen).
// Leaves to the application: making it current before the engine starts.
class OVSDKQTHOST_EXPORT QtManagerMiscService : public integration::services::ManagerMiscServiceAbstract
{
public:
    int getKeyboardModifiers() override;
    short translateKeyCode(int keyCode) override;
    void getDotPitch(double* dotPitchX, double* dotPitchY) override;
    void getScreenSize(int* width, int* height) override;
    bool isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e button) override;
    std::string getOpenGLVersionString() override;
    double getDevicePixelRatio() override;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTMANAGERMISCSERVICE_H
