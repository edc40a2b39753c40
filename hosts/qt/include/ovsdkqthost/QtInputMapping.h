// Qt input in the library's numbers.
//
// Implements: mouse buttons (left 1, middle 2, right 3, none 0, any other
// 255), keyboard modifiers (Shift 1, Control 2, Alt 4) and key codes.
// Key codes travel in two steps. A drawing area reports a key with its host
// key code: the character for printable ASCII (32..126, as typed, so 'a' is
// 97 and '+' is 43), 27 for Escape, 0 for a character beyond Latin-1, and
// Qt's own key code (Qt::Key) for every other key. The library keeps codes 32..127 as they are and passes
// the others through the miscellaneous-queries service's translateKeyCode,
// which the kit answers with engineKeyCode() below.
// Leaves to the application: nothing.
#ifndef OVSDKQTHOST_QTINPUTMAPPING_H
#define OVSDKQTHOST_QTINPUTMAPPING_H

#include "ovsdkqthost/Export.h"

#include "integration/MouseEventInterface.h"

#include <Qt>

class QKeyEvent;

namespace orvane {
namespace sdk {
namespace qthost {

// A Qt button to the library's: left 1, middle 2, right 3, none 0, any
// other MouseButton_Invalid.
OVSDKQTHOST_EXPORT integration::MouseEventInterface::MouseButton_e toLibraryButton(Qt::MouseButton button);
// The Qt button of a library button; Qt::NoButton for none and invalid.
OVSDKQTHOST_EXPORT Qt::MouseButton toQtButton(integration::MouseEventInterface::MouseButton_e button);
// Qt's modifiers to the library's bits (Shift 1, Control 2, Alt 4).
OVSDKQTHOST_EXPORT int toLibraryModifiers(Qt::KeyboardModifiers modifiers);
// The host key code of a key event (see above).
OVSDKQTHOST_EXPORT int hostKeyCode(const QKeyEvent& event);
// Shift, Control, Alt, AltGr and Meta: they travel as modifier bits of the
// other input, not as keys of their own.
OVSDKQTHOST_EXPORT bool isModifierKey(const QKeyEvent& event);
// The engine's code of a host key code: codes below 256 unchanged; Tab and
// Backtab 9, Backspace 8, Return and Enter 13, Delete 127; the cursor and
// paging keys, Insert and the function keys 256 plus the low byte of their
// Qt code (Left 274, Up 275, Right 276, Down 277, Home 272, End 273,
// PageUp 278, PageDown 279, F1 304...); every other key 0. An engine code
// stays as it is, so that a code translated twice is translated once.
OVSDKQTHOST_EXPORT short engineKeyCode(int hostKeyCode);

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTINPUTMAPPING_H
