#ifndef ORVANE_INTEGRATION_MOUSEEVENTLISTENERINTERFACE_H
#define ORVANE_INTEGRATION_MOUSEEVENTLISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class MouseEventInterface;
class MouseEventObservableInterface;

// Hears the mouse input of a MouseEventObservableInterface (wheel rotations
// come only through its signal). `source` is the observable on whose behalf
// the call is made.
class OVSDK_INTEGRATION_EXPORT MouseEventListenerInterface
{
public:
    // The mouse moved.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy May be called from the engine's busy loop; the listener may
    // remove itself or add others (they hear the next event).
    // @errors An exception ends the notification and passes on to the code
    // that reported the event.
    virtual void mouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    // A button went down; called as mouseMoved() is.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy May be called from the engine's busy loop; the listener may
    // remove itself or add others (they hear the next event).
    // @errors An exception ends the notification and passes on to the code
    // that reported the event.
    virtual void buttonPressed(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    // A button was pressed twice quickly; called as mouseMoved() is.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy May be called from the engine's busy loop; the listener may
    // remove itself or add others (they hear the next event).
    // @errors An exception ends the notification and passes on to the code
    // that reported the event.
    virtual void buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    // A button went up; called as mouseMoved() is.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy May be called from the engine's busy loop; the listener may
    // remove itself or add others (they hear the next event).
    // @errors An exception ends the notification and passes on to the code
    // that reported the event.
    virtual void buttonReleased(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    // Remove the listener from its observables before destroying it.
    virtual ~MouseEventListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEEVENTLISTENERINTERFACE_H
