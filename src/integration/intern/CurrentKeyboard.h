#ifndef ORVANE_INTEGRATION_INTERN_CURRENTKEYBOARD_H
#define ORVANE_INTEGRATION_INTERN_CURRENTKEYBOARD_H

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The keyboard as the current miscellaneous-queries service sees it: what
// an event object reads once, when it is made.
//
// Without a current service (a host that makes events before it makes its
// service current) no modifier is held and key codes stay as the host gave
// them, so such an event is still a valid value.
class CurrentKeyboard
{
public:
    // The modifier bits held now: 1 Shift, 2 Control, 4 Alt.
    static int modifiers();
    // `hostKey` itself when it is a printable code (32..127), otherwise the
    // service's translation, a 16-bit code widened with its sign.
    static int engineKeyCode(int hostKey);
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_CURRENTKEYBOARD_H
