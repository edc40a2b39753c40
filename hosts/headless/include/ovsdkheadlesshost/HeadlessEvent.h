#ifndef OVSDKHEADLESSHOST_HEADLESSEVENT_H
#define OVSDKHEADLESSHOST_HEADLESSEVENT_H

#include "ovsdkheadlesshost/Export.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

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
struct OVSDKHEADLESSHOST_EXPORT HeadlessEvent
{
    // What happened; it says which of the fields below count.
    enum Kind
    {
        // A press of `button` at `x`, `y`.
        ButtonPress,   // button at x, y
        // A release of `button` at `x`, `y`.
        ButtonRelease, // button at x, y
        // The pointer moves to `x`, `y`.
        MouseMove,     // to x, y
        // A wheel rotation by `delta` at `x`, `y`.
        Wheel,         // delta at x, y
        // A press of `key`.
        KeyPress,      // key
        // A release of `key`.
        KeyRelease,    // key
        // All of the area must be drawn again.
        Expose,        // all of the area must be drawn again
        // The area's new size is `width` x `height` device pixels.
        Resize,        // to width x height device pixels
        // The area gains the keyboard focus.
        FocusIn,
        // The area loses the keyboard focus (not reported further).
        FocusOut,
        // The area's native window goes; the object stays.
        Destroy        // the area's native window goes (the object stays)
    };

    // A ButtonPress or ButtonRelease (`kind`) of `button` at `x`, `y`.
    static HeadlessEvent makeButton(Kind kind, int button, int x, int y, int modifiers);
    // A MouseMove to `x`, `y`, with no button.
    static HeadlessEvent makeMove(int x, int y, int modifiers);
    // A Wheel rotation by `delta` at `x`, `y`.
    static HeadlessEvent makeWheel(int x, int y, int delta, int modifiers);
    // A KeyPress or KeyRelease (`kind`) of `key`.
    static HeadlessEvent makeKey(Kind kind, int key, int modifiers);
    // A Resize to `width` x `height` device pixels.
    static HeadlessEvent makeResize(int width, int height);
    // An event of `kind` with every other field 0 (Expose, FocusIn,
    // FocusOut, Destroy).
    static HeadlessEvent make(Kind kind);

    // A mouse, wheel or key event.
    bool isInput() const;

    // What happened.
    Kind kind = Expose;
    // The library's mouse button of a press or release.
    int button = 0;
    // The pointer's column of a mouse or wheel event, in device pixels.
    int x = 0;
    // The pointer's row of a mouse or wheel event, in device pixels.
    int y = 0;
    // The wheel rotation, 120 per notch, positive away from the user.
    int delta = 0;
    // The character of a key event (32..126), or 27 for Escape.
    int key = 0;
    // The library's modifier bits held during input (1 Shift, 2 Control, 4 Alt).
    int modifiers = 0;
    // The new width of a Resize, in device pixels.
    int width = 0;
    // The new height of a Resize, in device pixels.
    int height = 0;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSEVENT_H
