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
    enum KeyboardModifier
    {
        KeyboardModifier_Shift = 1,
        KeyboardModifier_Control = 2,
        KeyboardModifier_Alt = 4
    };

    EventInterface() {}
    EventInterface(const EventInterface&) {}
    EventInterface& operator=(const EventInterface&) { return *this; }

    virtual int keyboardModifiers() const = 0;
    virtual bool isControlDown() const = 0;
    virtual bool isShiftDown() const = 0;
    virtual bool isAltDown() const = 0;
    virtual ~EventInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_EVENTINTERFACE_H
