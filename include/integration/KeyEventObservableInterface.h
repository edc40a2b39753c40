#ifndef ORVANE_INTEGRATION_KEYEVENTOBSERVABLEINTERFACE_H
#define ORVANE_INTEGRATION_KEYEVENTOBSERVABLEINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class KeyEventListenerInterface;

// A source of key input. Key input has listeners only, no signal.
class OVSDK_INTEGRATION_EXPORT KeyEventObservableInterface
{
public:
    // Listeners are not owned and must not be null.
    // Adding one twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // event.
    virtual void addKeyboardListener(KeyEventListenerInterface* listener) = 0;
    // Stops `listener` hearing key input; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    virtual void removeKeyboardListener(KeyEventListenerInterface* listener) = 0;
    // Listeners are not told that their observable goes.
    virtual ~KeyEventObservableInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_KEYEVENTOBSERVABLEINTERFACE_H
