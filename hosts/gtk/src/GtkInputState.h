// What the kit knows of the input delivered so far, for the library's
// queries (the miscellaneous service, the wheel events): the modifiers of
// the input being (or last) delivered, the buttons down, the drawing areas
// alive and the one focused last; and the input observers, told first.
#ifndef OVSDKGTKHOST_GTKINPUTSTATE_H
#define OVSDKGTKHOST_GTKINPUTSTATE_H

#include "ovsdkgtkhost/GtkInputEvent.h"

#include "integration/MouseEventInterface.h"
#include "integration/intern/MouseAndKeyListenerSets.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseWheelEvent.h"

#include <vector>

namespace orvane {
namespace sdk {
namespace gtkhost {

class GtkInputState
{
public:
    static GtkInputState& instance();

    // Takes the event's modifiers and buttons, then tells the observers.
    void arriving(const GtkInputEvent& event, GtkGLDrawArea& drawArea);
    void addObserver(GtkInputObserver* observer);
    void removeObserver(GtkInputObserver* observer);
    void addArea(GtkGLDrawArea* drawArea);
    void removeArea(GtkGLDrawArea* drawArea);
    // A live drawing area: `drawArea` if it is one, else null.
    GtkGLDrawArea* liveArea(const void* drawArea) const;

    // Counts a wake-up of the main loop: the monitor reports idle time once
    // after each.
    void wake();
    unsigned wakes() const;

    // The library's modifier bits (Shift 1, Control 2, Alt 4).
    int modifiers() const;
    bool isButtonDown(unsigned gdkButton) const;
    // The device pixel ratio of the focused drawing area, else of any, else 1.
    double devicePixelRatio() const;

private:
    std::vector<GtkInputObserver*> m_observers;
    std::vector<GtkGLDrawArea*> m_areas;
    GtkGLDrawArea* m_focused = nullptr;
    int m_modifiers = 0;
    unsigned m_buttonsDown = 0; // bit per GDK button
    unsigned m_wakes = 0;
};

// The library's button of a press or release (1 left, 2 middle, 3 right);
// none for any other input.
integration::MouseEventInterface::MouseButton_e libraryButton(const GtkInputEvent& event);
// What a press, double press (a press count of 2), release or move tells.
integration::intern::MouseAndKeyListenerSets::MouseAction_e mouseActionOf(const GtkInputEvent& event);
// The mouse event of a press, release or move from `source`, at its position
// in device pixels (`ratio` to a logical pixel), with its modifiers.
integration::intern::MouseEvent mouseEventOf(integration::MouseEventObservableInterface* source,
                                             const GtkInputEvent& event, double ratio);
// The wheel event of a scroll (120 a step, positive away from the user), at
// its position in device pixels, `ratio` to a logical pixel.
integration::intern::MouseWheelEvent wheelEventOf(const GtkInputEvent& scroll, double ratio);
// GdkModifierType bits to the library's.
int libraryModifiers(unsigned gdkModifiers);
// The host key code of a GDK key value: the character it types when that
// is printable ASCII, 27 for Escape, else the engine's code (0 for a key the
// engine has none for).
int hostKeyCode(unsigned keyval);
// Shift, Control, Alt, Super and the like: modifiers, not keys.
bool isModifierKey(unsigned keyval);
// The engine's code of a host key code (they are the engine's already; any
// other code is 0).
short engineKeyCode(int hostKeyCode);

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKINPUTSTATE_H
