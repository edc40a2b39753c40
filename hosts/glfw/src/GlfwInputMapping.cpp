#include "ovsdkglfwhost/GlfwInputMapping.h"

#include <GLFW/glfw3.h>

#include <cctype>
#include <cstring>

namespace orvane {
namespace sdk {
namespace glfwhost {

using integration::MouseEventInterface;

namespace {

const int EscapeKey = 27;

bool isPrintable(unsigned int character) { return character >= 32 && character <= 126; }

struct KeyCode
{
    int glfwKey;
    short engineKey;
};

const KeyCode EngineKeys[] = {
    {GLFW_KEY_TAB, 9},       {GLFW_KEY_BACKSPACE, 8}, {GLFW_KEY_ENTER, 13},     {GLFW_KEY_KP_ENTER, 13},
    {GLFW_KEY_DELETE, 127},  {GLFW_KEY_INSERT, 262},  {GLFW_KEY_HOME, 272},     {GLFW_KEY_END, 273},
    {GLFW_KEY_LEFT, 274},    {GLFW_KEY_UP, 275},      {GLFW_KEY_RIGHT, 276},    {GLFW_KEY_DOWN, 277},
    {GLFW_KEY_PAGE_UP, 278}, {GLFW_KEY_PAGE_DOWN, 279},
};
const short EngineF1 = 304;

// Insert 262, Home 272 to Page Down 279, F1 304 to F35 338.
bool isEngineSpecialKey(int code) { return code == 262 || (code >= 272 && code <= 279) || (code >= 304 && code <= 338); }

// The engine's code of a GLFW key that is neither printable nor Escape; 0
// for none.
short engineCodeOfGlfwKey(int glfwKey)
{
    for (const KeyCode& code : EngineKeys)
        if (code.glfwKey == glfwKey)
            return code.engineKey;
    if (glfwKey >= GLFW_KEY_F1 && glfwKey <= GLFW_KEY_F25)
        return static_cast<short>(EngineF1 + glfwKey - GLFW_KEY_F1);
    return 0;
}

} // namespace

MouseEventInterface::MouseButton_e toLibraryButton(int glfwButton)
{
    switch (glfwButton)
    {
    case GLFW_MOUSE_BUTTON_LEFT: return MouseEventInterface::MouseButton_1;
    case GLFW_MOUSE_BUTTON_MIDDLE: return MouseEventInterface::MouseButton_2;
    case GLFW_MOUSE_BUTTON_RIGHT: return MouseEventInterface::MouseButton_3;
    default: return MouseEventInterface::MouseButton_Invalid;
    }
}

int toGlfwButton(MouseEventInterface::MouseButton_e button)
{
    switch (button)
    {
    case MouseEventInterface::MouseButton_1: return GLFW_MOUSE_BUTTON_LEFT;
    case MouseEventInterface::MouseButton_2: return GLFW_MOUSE_BUTTON_MIDDLE;
    case MouseEventInterface::MouseButton_3: return GLFW_MOUSE_BUTTON_RIGHT;
    default: return -1;
    }
}

int toLibraryModifiers(int glfwMods) { return glfwMods & (GLFW_MOD_SHIFT | GLFW_MOD_CONTROL | GLFW_MOD_ALT); }

int hostKeyCode(const GlfwWindowEvent& keyEvent)
{
    if (keyEvent.key == GLFW_KEY_ESCAPE)
        return EscapeKey;
    if (isPrintable(keyEvent.character))
        return int(keyEvent.character);
    const char* name = keyEvent.key != GLFW_KEY_UNKNOWN || keyEvent.scancode != 0
                           ? glfwGetKeyName(keyEvent.key, keyEvent.scancode)
                           : nullptr;
    if (name != nullptr && std::strlen(name) == 1 && isPrintable(static_cast<unsigned char>(name[0])))
    {
        const int named = static_cast<unsigned char>(name[0]);
        return (keyEvent.mods & GLFW_MOD_SHIFT) != 0 ? std::toupper(named) : named;
    }
    // Already the engine's code: GLFW's codes of these keys are also codes
    // the engine has for others (GLFW's Right is the engine's Insert).
    return engineCodeOfGlfwKey(keyEvent.key);
}

bool isModifierKey(int glfwKey) { return glfwKey >= GLFW_KEY_LEFT_SHIFT && glfwKey <= GLFW_KEY_RIGHT_SUPER; }

short engineKeyCode(int hostKeyCode)
{
    // The engine's own codes stay: the library translates a drawing area's
    // key again when the event manager reports it.
    if ((hostKeyCode >= 0 && hostKeyCode < 256) || isEngineSpecialKey(hostKeyCode))
        return static_cast<short>(hostKeyCode);
    return engineCodeOfGlfwKey(hostKeyCode);
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
