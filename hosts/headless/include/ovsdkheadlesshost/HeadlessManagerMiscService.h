#ifndef OVSDKHEADLESSHOST_HEADLESSMANAGERMISCSERVICE_H
#define OVSDKHEADLESSHOST_HEADLESSMANAGERMISCSERVICE_H

#include "ovsdkheadlesshost/Export.h"

#include "integration/services/ManagerMiscServiceAbstract.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessDisplay;
class HeadlessEventLoop;

// The engine's and the library's queries about screen, keyboard and mouse
// in an application with no window system.
//
// Implements: ManagerMiscService: a screen of the size (device pixels),
// dot pitch (millimetres per device pixel) and device pixel ratio the
// application sets (1920 x 1080, 0.264583 for 96 dpi, and 1 until it
// does); the keyboard modifiers of the input the HeadlessEventLoop is
// delivering (none outside a delivery: there is no keyboard) and the mouse
// buttons down after the input delivered so far; key codes unchanged (the
// kit's keys are the characters typed and 27); the OpenGL version text of
// the HeadlessDisplay's contexts (empty when none can be made).
// Leaves to the application: making it current before init().
//
// Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessManagerMiscService : public integration::services::ManagerMiscServiceAbstract
{
public:
    // Answers from `loop` and `display`, with a screen of 1920 x 1080 device
    // pixels, 96 dpi and a pixel ratio of 1 until setScreen().
    HeadlessManagerMiscService(HeadlessEventLoop& loop, HeadlessDisplay& display);

    // Sets the screen's size (`width` x `height` device pixels), `dotPitch`
    // (millimetres per device pixel) and device `pixelRatio`, as answered
    // from now on.
    //
    // @thread_safety GUI thread only.
    void setScreen(int width, int height, double dotPitch, double pixelRatio);

    int getKeyboardModifiers() override;
    short translateKeyCode(int keyCode) override;
    void getDotPitch(double* dotPitchX, double* dotPitchY) override;
    void getScreenSize(int* width, int* height) override;
    bool isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e button) override;
    std::string getOpenGLVersionString() override;
    double getDevicePixelRatio() override;

private:
    HeadlessEventLoop& m_loop;
    HeadlessDisplay& m_display;
    int m_width;
    int m_height;
    double m_dotPitch;
    double m_pixelRatio;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSMANAGERMISCSERVICE_H
