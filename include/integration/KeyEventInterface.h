#ifndef ORVANE_INTEGRATION_KEYEVENTINTERFACE_H
#define ORVANE_INTEGRATION_KEYEVENTINTERFACE_H

#include "integration/EventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

// A key press or release.
class OVSDK_INTEGRATION_EXPORT KeyEventInterface : public virtual EventInterface
{
public:
    // A key event of the host kits or the library.
    KeyEventInterface() {}
    // Copies nothing: the interface has no state.
    KeyEventInterface(const KeyEventInterface& other) : EventInterface(other) {}
    // Copies nothing: the interface has no state.
    KeyEventInterface& operator=(const KeyEventInterface&) { return *this; }
    // Listeners get events by reference, valid only during the call.
    ~KeyEventInterface() override;

    // The host key code: the character for printable ASCII (32..126), 27
    // for Escape, the host kit's own code for other keys (the library
    // translates those with ManagerMiscServiceInterface::translateKeyCode
    // before the engine sees them).
    virtual int key() const = 0;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_KEYEVENTINTERFACE_H
