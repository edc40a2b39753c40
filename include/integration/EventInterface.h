#ifndef ORVANE_INTEGRATION_EVENTINTERFACE_H
#define ORVANE_INTEGRATION_EVENTINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// Base of every input event. Keyboard modifiers are a bit set used
// throughout the system: 1 Shift, 2 Control, 4 Alt; other bits are carried
// along and ignored by the is...Down() queries.
class OVSDK_INTEGRATION_EXPORT EventInterface
{
public:
    // The bits of keyboardModifiers().
    enum KeyboardModifier
    {
        // A Shift key is down.
        KeyboardModifier_Shift = 1,
        // A Control key is down.
        KeyboardModifier_Control = 2,
        // An Alt key is down.
        KeyboardModifier_Alt = 4
    };

    // Events are made by the host kits and the library.
    EventInterface() {}
    // Copies nothing: the interface has no state.
    EventInterface(const EventInterface&) {}
    // Copies nothing: the interface has no state.
    EventInterface& operator=(const EventInterface&) { return *this; }

    // The modifier bits held during the event.
    virtual int keyboardModifiers() const = 0;
    // Whether KeyboardModifier_Control is set.
    virtual bool isControlDown() const = 0;
    // Whether KeyboardModifier_Shift is set.
    virtual bool isShiftDown() const = 0;
    // Whether KeyboardModifier_Alt is set.
    virtual bool isAltDown() const = 0;
    // Listeners get events by reference, valid only during the call.
    virtual ~EventInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_EVENTINTERFACE_H
