#ifndef ORVANE_INTEGRATION_GLDRAWAREALISTENERINTERFACE_H
#define ORVANE_INTEGRATION_GLDRAWAREALISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaInterface;

// Hears the state changes of a drawing area's window.
class OVSDK_INTEGRATION_EXPORT GLDrawAreaListenerInterface
{
public:
    // A listener; the library's own are pages and trackers.
    GLDrawAreaListenerInterface() {}
    // Copies nothing: the interface has no state.
    GLDrawAreaListenerInterface(const GLDrawAreaListenerInterface&) {}
    // Copies nothing: the interface has no state.
    GLDrawAreaListenerInterface& operator=(const GLDrawAreaListenerInterface&) { return *this; }

    // The window was exposed; `fullDamage` as the drawing area reported it.
    //
    // @thread_safety Called on the GUI thread, by the drawing area.
    // @reentrancy The listener may remove itself or add others (they hear the
    // next change).
    // @errors An exception ends the notification and passes on to the
    // drawing area's code that reported the change.
    virtual void drawAreaExposed(GLDrawAreaInterface& drawArea, bool fullDamage) = 0;
    // The native window is going away: drop every reference to it.
    //
    // @thread_safety Called on the GUI thread, by the drawing area.
    // @reentrancy The listener may remove itself or add others (they hear the
    // next change).
    // @errors An exception ends the notification and passes on to the
    // drawing area's code that reported the change.
    virtual void drawAreaDestroyed(GLDrawAreaInterface& drawArea) = 0;
    // The window gained the keyboard focus.
    //
    // @thread_safety Called on the GUI thread, by the drawing area.
    // @reentrancy The listener may remove itself or add others (they hear the
    // next change).
    // @errors An exception ends the notification and passes on to the
    // drawing area's code that reported the change.
    virtual void drawAreaFocusGained(GLDrawAreaInterface& drawArea) = 0;
    // Remove the listener from every drawing area before destroying it.
    virtual ~GLDrawAreaListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_GLDRAWAREALISTENERINTERFACE_H
