// One event of a headless drawing area, waiting in the HeadlessEventLoop's
// queue until the loop delivers it: what a window system and its user
// would send to a window, sent here by the application (a test, a script,
// a remote client) instead.
//
// Positions are in the drawing area's device pixels, buttons are the
// library's (MouseButton_1 left, _2 middle, _3 right), keys the character
// typed (32..126, as typed: 'A' comes with Shift) or 27 for Escape, wheel
// deltas 120 per notch (positive away from the user), modifiers the
// library's bits (1 Shift, 2 Control, 4 Alt).
#ifndef OVSDKHEADLESSHOST_HEADLESSEVENT_H
#define OVSDKHEADLESSHOST_HEADLESSEVENT_H

#include "ovsdkheadlesshost/Export.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

struct OVSDKHEADLESSHOST_EXPORT HeadlessEvent
{
    enum Kind
    {
        ButtonPress,   // button at x, y
        ButtonRelease, // button at x, y
        MouseMove,     // to x, y
        Wheel,         // delta at x, y
        KeyPress,      // key
        KeyRelease,    // key
        Expose,        // all of the area must be drawn again
        Resize,        // to width x height device pixels
        FocusIn,
        FocusOut,
        Destroy        // the area's native window goes (the object stays)
    };

    static HeadlessEvent makeButton(Kind kind, int button, int x, int y, int modifiers);
    static HeadlessEvent makeMove(int x, int y, int modifiers);
    static HeadlessEvent makeWheel(int x, int y, int delta, int modifiers);
    static HeadlessEvent makeKey(Kind kind, int key, int modifiers);
    static HeadlessEvent makeResize(int width, int height);
    static HeadlessEvent make(Kind kind);

    // A mouse, wheel or key event.
    bool isInput() const;

    Kind kind = Expose;
    int button = 0;
    int x = 0;
    int y = 0;
    int delta = 0;
    int key = 0;
    int modifiers = 0;
    int width = 0;
    int height = 0;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSEVENT_H
