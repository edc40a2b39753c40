#include "HeadlessLibraryEvent.h"

#include "ovsdkheadlesshost/HeadlessEventLoop.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

using integration::MouseEventInterface;
using integration::intern::MouseAndKeyListenerSets;

integration::intern::MouseWheelEvent wheelEventOf(const HeadlessEvent& wheel, const HeadlessEventLoop& loop)
{
    return integration::intern::MouseWheelEvent(wheel.x, wheel.y, wheel.delta, loop.isButtonDown(1),
                                                loop.isButtonDown(2), loop.isButtonDown(3),
                                                integration::MouseWheelEventInterface::Orientation_Vertical);
}

MouseAndKeyListenerSets::MouseAction_e mouseActionOf(const HeadlessEvent& event)
{
    switch (event.kind)
    {
    case HeadlessEvent::ButtonPress: return MouseAndKeyListenerSets::MouseAction_Pressed;
    case HeadlessEvent::ButtonRelease: return MouseAndKeyListenerSets::MouseAction_Released;
    default: return MouseAndKeyListenerSets::MouseAction_Moved;
    }
}

MouseEventInterface::MouseButton_e mouseButtonOf(const HeadlessEvent& event)
{
    return event.kind == HeadlessEvent::MouseMove ? MouseEventInterface::MouseButton_None
                                                  : static_cast<MouseEventInterface::MouseButton_e>(event.button);
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
