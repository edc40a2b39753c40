#ifndef ORVANE_INTEGRATION_MOUSEWHEELEVENTINTERFACE_H
#define ORVANE_INTEGRATION_MOUSEWHEELEVENTINTERFACE_H

#include "integration/MouseEventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

// A rotation of the mouse wheel.
class OVSDK_INTEGRATION_EXPORT MouseWheelEventInterface : public virtual EventInterface
{
public:
    // The axis of the rotation; the library stores it and hands it back.
    enum Orientation
    {
        Orientation_Vertical,
        Orientation_Horizontal
    };

    MouseWheelEventInterface() {}
    MouseWheelEventInterface(const MouseWheelEventInterface& other) : EventInterface(other) {}
    MouseWheelEventInterface& operator=(const MouseWheelEventInterface&) { return *this; }
    ~MouseWheelEventInterface() override;

    // Whether button 1, 2 or 3 was held during the rotation; false for any
    // other value.
    virtual bool wasMouseButtonDown(MouseEventInterface::MouseButton_e button) const = 0;
    virtual int x() const = 0;
    virtual int y() const = 0;
    // The rotation amount, as the host delivered it.
    virtual int delta() const = 0;
    virtual Orientation orientation() const = 0;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEWHEELEVENTINTERFACE_H
