// Input of a GTK drawing area as a value, and the observers that hear it
// before the drawing area does.
//
// Implements: what the drawing area's event controllers report (click,
// motion, scroll, key and focus), in GTK's terms: GDK button numbers (1
// left, 2 middle, 3 right), positions in the widget's logical pixels,
// scroll steps as GTK gives them (positive y towards the user), GDK key
// values and GdkModifierType bits. GTK 4 cannot make events of its own, so
// a test or a scripted session queues these values with
// GtkGLDrawArea::post() and they take the controllers' road from there.
// Leaves to the application: nothing.
#ifndef OVSDKGTKHOST_GTKINPUTEVENT_H
#define OVSDKGTKHOST_GTKINPUTEVENT_H

#include "ovsdkgtkhost/Export.h"

namespace orvane {
namespace sdk {
namespace gtkhost {

class GtkGLDrawArea;

// One input event of a GTK event controller, as the kit hands it to a
// drawing area or the monitor (tests and scripts post them too).
struct OVSDKGTKHOST_EXPORT GtkInputEvent
{
    // What happened.
    enum Kind
    {
        ButtonPress,
        ButtonRelease,
        Motion,
        Scroll,
        KeyPress,
        KeyRelease,
        FocusIn,
        FocusOut
    };

    // What happened.
    Kind kind;
    // GDK button number of a press or release.
    unsigned button;
    // Presses in a row of a press (2: a double press), as GtkGestureClick
    // counts them.
    int pressCount;
    // Position in the widget, logical pixels (the pointer's last for a scroll).
    double x;
    // Position in the widget, logical pixels.
    double y;
    // Scroll steps (positive y towards the user, positive x to the right).
    double scrollX;
    // Scroll steps down (positive towards the user).
    double scrollY;
    // GDK key value of a key.
    unsigned keyval;
    // GdkModifierType bits held.
    unsigned modifiers;

    // A press or release of `button` at (x, y); a double press counts 2.
    static GtkInputEvent buttonEvent(Kind kind, unsigned button, double x, double y, unsigned modifiers,
                                int pressCount = 1);
    // A move to (x, y).
    static GtkInputEvent motionEvent(double x, double y, unsigned modifiers);
    // A scroll by (scrollX, scrollY) steps with the pointer at (x, y).
    static GtkInputEvent scrollEvent(double scrollX, double scrollY, double x, double y, unsigned modifiers);
    // A press or release of the key `keyval`.
    static GtkInputEvent keyEvent(Kind kind, unsigned keyval, unsigned modifiers);
    // Focus gained (`in`) or lost.
    static GtkInputEvent focusEvent(bool in);
    // Keys, buttons, moves and scrolls.
    bool isInput() const;
};

// Hears the input of every GtkGLDrawArea before the drawing area does (the
// application event monitor is one).
class OVSDKGTKHOST_EXPORT GtkInputObserver
{
public:
    // Remove the observer before destroying it.
    virtual ~GtkInputObserver();
    // Input of `drawArea` (modifier keys alone included).
    virtual void inputArriving(const GtkInputEvent& event, GtkGLDrawArea& drawArea) = 0;

    // Adds `observer` (not owned) at the end; adding it twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    static void add(GtkInputObserver* observer);
    // Removes `observer`; may be called while observers are told (it is not
    // told again).
    //
    // @thread_safety GUI thread only; not checked.
    static void remove(GtkInputObserver* observer);
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKINPUTEVENT_H
