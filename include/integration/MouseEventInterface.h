#ifndef ORVANE_INTEGRATION_MOUSEEVENTINTERFACE_H
#define ORVANE_INTEGRATION_MOUSEEVENTINTERFACE_H

#include "integration/EventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

// A mouse press, double press, release or move in a drawing area.
class OVSDK_INTEGRATION_EXPORT MouseEventInterface : public virtual EventInterface
{
public:
    enum MouseButton_e
    {
        MouseButton_None = 0,
        MouseButton_1 = 1,
        MouseButton_2 = 2,
        MouseButton_3 = 3,
        MouseButton_Invalid = 255
    };

    // The one conversion from an integer button number: 0 to 3 unchanged,
    // every other number MouseButton_Invalid.
    static MouseButton_e toMouseButton(int button);

    MouseEventInterface() {}
    MouseEventInterface(const MouseEventInterface& other) : EventInterface(other) {}
    MouseEventInterface& operator=(const MouseEventInterface&) { return *this; }
    ~MouseEventInterface() override;

    // The button concerned; for a move, the button reported with it.
    virtual MouseButton_e button() const = 0;
    virtual int x() const = 0;
    virtual int y() const = 0;
    // A new heap copy, owned by the caller.
    virtual MouseEventInterface* clone() const = 0;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEEVENTINTERFACE_H
