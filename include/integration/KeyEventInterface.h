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
    KeyEventInterface() {}
    KeyEventInterface(const KeyEventInterface& other) : EventInterface(other) {}
    KeyEventInterface& operator=(const KeyEventInterface&) { return *this; }
    ~KeyEventInterface() override;

    virtual int key() const = 0;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_KEYEVENTINTERFACE_H
