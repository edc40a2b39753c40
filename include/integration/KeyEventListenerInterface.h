#ifndef ORVANE_INTEGRATION_KEYEVENTLISTENERINTERFACE_H
#define ORVANE_INTEGRATION_KEYEVENTLISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class KeyEventInterface;
class KeyEventObservableInterface;

// Hears the key input of a KeyEventObservableInterface. `source` is the
// observable on whose behalf the call is made.
class OVSDK_INTEGRATION_EXPORT KeyEventListenerInterface
{
public:
    // A key went down.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy May be called from the engine's busy loop; the listener may
    // remove itself or add others (they hear the next event).
    // @errors An exception ends the notification and passes on to the code
    // that reported the event.
    virtual void keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source) = 0;
    // A key went up; called as keyPressed() is.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy May be called from the engine's busy loop; the listener may
    // remove itself or add others (they hear the next event).
    // @errors An exception ends the notification and passes on to the code
    // that reported the event.
    virtual void keyReleased(KeyEventInterface& event, KeyEventObservableInterface& source) = 0;
    // Remove the listener from its observables before destroying it.
    virtual ~KeyEventListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_KEYEVENTLISTENERINTERFACE_H
