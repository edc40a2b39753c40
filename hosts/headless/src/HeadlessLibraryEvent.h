// A HeadlessEvent of a drawing area in the library's terms, as both the
// drawing area and the monitor report it.
#ifndef OVSDKHEADLESSHOST_HEADLESSLIBRARYEVENT_H
#define OVSDKHEADLESSHOST_HEADLESSLIBRARYEVENT_H

#include "ovsdkheadlesshost/HeadlessEvent.h"

#include "integration/intern/MouseAndKeyListenerSets.h"
#include "integration/intern/MouseWheelEvent.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessEventLoop;

// The vertical wheel event of a Wheel, with the buttons the loop knows are
// down.
integration::intern::MouseWheelEvent wheelEventOf(const HeadlessEvent& wheel, const HeadlessEventLoop& loop);
// What a ButtonPress, ButtonRelease or MouseMove tells.
integration::intern::MouseAndKeyListenerSets::MouseAction_e mouseActionOf(const HeadlessEvent& event);
// The event's button; none for a move.
integration::MouseEventInterface::MouseButton_e mouseButtonOf(const HeadlessEvent& event);

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSLIBRARYEVENT_H
