#ifndef OVSDKGTKHOST_GTKMANAGERMISCSERVICE_H
#define OVSDKGTKHOST_GTKMANAGERMISCSERVICE_H

#include "ovsdkgtkhost/Export.h"

#include "integration/services/ManagerMiscServiceAbstract.h"

namespace orvane {
namespace sdk {
namespace gtkhost {

// The engine's and the library's queries about screen, keyboard and mouse,
// answered with GTK.
//
// Implements: ManagerMiscService: keyboard modifiers of the drawing areas'
// input being (or last) delivered and the mouse buttons down after it
// (GtkGLDrawArea.h has the numbers); key-code translation (the kit's key
// codes are the engine's: codes below 256 and the engine's special keys
// stay, any other is 0); the first monitor's size in device pixels and its
// dot pitch in millimetres per device pixel (0.264583 for 96 dpi when it
// reports no physical size); the OpenGL version text of the current
// context, or of a context made for the question (empty when none can be
// made); the device pixel ratio of the focused drawing area (else of any,
// else 1).
// Leaves to the application: making it current before the engine starts.
class OVSDKGTKHOST_EXPORT GtkManagerMiscService : public integration::services::ManagerMiscServiceAbstract
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

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKMANAGERMISCSERVICE_H
