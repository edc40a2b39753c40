// GLFW input in the library's numbers.
//
// Implements: mouse buttons (left 1, middle 2, right 3, none 0, any other
// 255), keyboard modifiers (GLFW's Shift, Control and Alt bits are the
// library's 1, 2 and 4; Super, Caps Lock and Num Lock are dropped) and key
// codes. Key codes travel in two steps, as in the Qt kit. A drawing area
// reports a key with its host key code: the character the key typed when
// it is printable ASCII (32..126, as typed, so 'a' is 97 and '+' is 43), 27
// for Escape, and the engine's code for every other key: GLFW's own key
// codes (GLFW_KEY_...) of those keys are also engine codes of other keys.
// The library keeps codes 32..127 as they are and passes the others through
// the miscellaneous-queries service's translateKeyCode, which the kit
// answers with engineKeyCode() below: the same engine codes as the Qt kit.
// Leaves to the application: nothing.
#ifndef OVSDKGLFWHOST_GLFWINPUTMAPPING_H
#define OVSDKGLFWHOST_GLFWINPUTMAPPING_H

#include "ovsdkglfwhost/Export.h"
#include "ovsdkglfwhost/GlfwWindowEvent.h"

#include "integration/MouseEventInterface.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

// GLFW_MOUSE_BUTTON_... to the library's button.
OVSDKGLFWHOST_EXPORT integration::MouseEventInterface::MouseButton_e toLibraryButton(int glfwButton);
// The GLFW button of a library button; -1 for none and invalid.
OVSDKGLFWHOST_EXPORT int toGlfwButton(integration::MouseEventInterface::MouseButton_e button);
// GLFW's modifier bits to the library's (Shift 1, Control 2, Alt 4).
OVSDKGLFWHOST_EXPORT int toLibraryModifiers(int glfwMods);
// The host key code of a key event: its character when that is printable
// ASCII; for a key pressed with Control or Alt (GLFW reports no character
// then) the character the key names in the keyboard layout, upper case for
// a letter with Shift; 27 for Escape; otherwise the engine's code of the
// GLFW key (as engineKeyCode() gives it; 0 for a key the engine has none for).
OVSDKGLFWHOST_EXPORT int hostKeyCode(const GlfwWindowEvent& keyEvent);
// Shift, Control, Alt and Super: they travel as modifier bits of the other
// input, not as keys of their own.
OVSDKGLFWHOST_EXPORT bool isModifierKey(int glfwKey);
// The engine's code of a host key code: codes below 256 unchanged; Tab 9,
// Backspace 8, Enter 13, Delete 127; Insert 262, Home 272, End 273, Left
// 274, Up 275, Right 276, Down 277, Page Up 278, Page Down 279, F1 304 to
// F25 328; every other key 0. An engine code stays as it is, so that a code
// translated twice is translated once: GLFW's Right (262), F15 to F25 and
// keypad codes are read as the engine codes they equal.
OVSDKGLFWHOST_EXPORT short engineKeyCode(int hostKeyCode);

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWINPUTMAPPING_H
