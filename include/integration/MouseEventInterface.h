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
    // A mouse button in the library's numbers.
    enum MouseButton_e
    {
        // No button: every move carries it, even while a button is held.
        MouseButton_None = 0,
        // The left button.
        MouseButton_1 = 1,
        // The middle button.
        MouseButton_2 = 2,
        // The right button.
        MouseButton_3 = 3,
        // Any other button, or a number out of range.
        MouseButton_Invalid = 255
    };

    // The one conversion from an integer button number: 0 to 3 unchanged,
    // every other number MouseButton_Invalid.
    static MouseButton_e toMouseButton(int button);

    // A mouse event of the host kits or the library.
    MouseEventInterface() {}
    // Copies nothing: the interface has no state.
    MouseEventInterface(const MouseEventInterface& other) : EventInterface(other) {}
    // Copies nothing: the interface has no state.
    MouseEventInterface& operator=(const MouseEventInterface&) { return *this; }
    // Listeners get events by reference, valid only during the call.
    ~MouseEventInterface() override;

    // The button concerned; for a move, the button reported with it.
    virtual MouseButton_e button() const = 0;
    // The horizontal position in the drawing area's pixels, from the left.
    virtual int x() const = 0;
    // The vertical position in the drawing area's pixels, from the top.
    virtual int y() const = 0;
    // A new heap copy, owned by the caller.
    virtual MouseEventInterface* clone() const = 0;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEEVENTINTERFACE_H
