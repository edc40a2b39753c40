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
        // The usual wheel, turned up or down.
        Orientation_Vertical,
        // A tilt wheel or a horizontal scroll.
        Orientation_Horizontal
    };

    // A wheel event of the host kits or the library.
    MouseWheelEventInterface() {}
    // Copies nothing: the interface has no state.
    MouseWheelEventInterface(const MouseWheelEventInterface& other) : EventInterface(other) {}
    // Copies nothing: the interface has no state.
    MouseWheelEventInterface& operator=(const MouseWheelEventInterface&) { return *this; }
    // Slots get events by reference, valid only during the call.
    ~MouseWheelEventInterface() override;

    // Whether button 1, 2 or 3 was held during the rotation; false for any
    // other value.
    virtual bool wasMouseButtonDown(MouseEventInterface::MouseButton_e button) const = 0;
    // The pointer's horizontal position in the drawing area's pixels.
    virtual int x() const = 0;
    // The pointer's vertical position in the drawing area's pixels.
    virtual int y() const = 0;
    // The rotation amount, as the host delivered it.
    virtual int delta() const = 0;
    // The axis of the rotation.
    virtual Orientation orientation() const = 0;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEWHEELEVENTINTERFACE_H
