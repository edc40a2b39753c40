#ifndef ORVANE_INTEGRATION_SERVICES_MANAGERMISCSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_MANAGERMISCSERVICEINTERFACE_H

#include "integration/MouseEventInterface.h"
#include "util/Export.h"

#include <string>

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Facts about the screen, keyboard and mouse that the engine and the
// library's event objects ask the host for.
class OVSDK_INTEGRATION_EXPORT ManagerMiscServiceInterface
{
public:
    // Modifier bits held now: 1 Shift, 2 Control, 4 Alt.
    //
    // @thread_safety Called on the GUI thread: by the engine, and by every
    // event object the library makes.
    virtual int getKeyboardModifiers() = 0;
    // The engine's key code for a host key code outside 32..127 (codes in
    // 32..127 are kept without asking). Escape must stay 27, and the
    // engine's own codes should translate to themselves: see
    // `docs/host-guide.md#key-codes-and-the-escape-rule`.
    //
    // @thread_safety Called on the GUI thread, by every key event object the
    // library makes.
    virtual short translateKeyCode(int keyCode) = 0;
    // The screen's dot pitch, horizontally and vertically; leave an output
    // alone to keep the engine's value.
    //
    // @thread_safety Called on the GUI thread, by the engine.
    virtual void getDotPitch(double* dotPitchX, double* dotPitchY) = 0;
    // The screen's size in pixels; leave an output alone to keep the engine's
    // value.
    //
    // @thread_safety Called on the GUI thread, by the engine.
    virtual void getScreenSize(int* width, int* height) = 0;
    // Whether `button` (1 to 3) is held now; asked by the engine and by the
    // interrupt processor.
    //
    // @thread_safety Called on the GUI thread, by both.
    virtual bool isMouseButtonPressed(MouseEventInterface::MouseButton_e button) = 0;
    // The OpenGL version text of the host's contexts, asked by the engine at
    // any time: a context may or may not be current then.
    //
    // @thread_safety Called on the GUI thread, by the engine.
    virtual std::string getOpenGLVersionString() = 0;
    // Device pixels per logical pixel of the main screen, for hosts that draw
    // at high DPI. Nothing in the library calls it.
    //
    // @thread_safety GUI thread only, as the host calls it.
    virtual double getDevicePixelRatio() = 0;
    // See ManagerMiscServiceAbstract for what its destruction leaves current.
    virtual ~ManagerMiscServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MANAGERMISCSERVICEINTERFACE_H
