#include "ovsdkqthost/QtInputMapping.h"

#include <QKeyEvent>

namespace orvane {
namespace sdk {
namespace qthost {

using integration::MouseEventInterface;

namespace {

// Insert 262, Home 272 to Page Down 279, F1 304 to F35 338.
bool isEngineSpecialKey(int code) { return code == 262 || (code >= 272 && code <= 279) || (code >= 304 && code <= 338); }

} // namespace

MouseEventInterface::MouseButton_e toLibraryButton(Qt::MouseButton button)
{
    switch (button)
    {
    case Qt::NoButton: return MouseEventInterface::toMouseButton(0);
    case Qt::LeftButton: return MouseEventInterface::toMouseButton(1);
    case Qt::MiddleButton: return MouseEventInterface::toMouseButton(2);
    case Qt::RightButton: return MouseEventInterface::toMouseButton(3);
    default: return MouseEventInterface::toMouseButton(255);
    }
}

Qt::MouseButton toQtButton(MouseEventInterface::MouseButton_e button)
{
    switch (button)
    {
    case MouseEventInterface::MouseButton_1: return Qt::LeftButton;
    case MouseEventInterface::MouseButton_2: return Qt::MiddleButton;
    case MouseEventInterface::MouseButton_3: return Qt::RightButton;
    default: return Qt::NoButton;
    }
}

int toLibraryModifiers(Qt::KeyboardModifiers modifiers)
{
    int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= integration::EventInterface::KeyboardModifier_Shift;
    if (modifiers & Qt::ControlModifier)
        bits |= integration::EventInterface::KeyboardModifier_Control;
    if (modifiers & Qt::AltModifier)
        bits |= integration::EventInterface::KeyboardModifier_Alt;
    return bits;
}

int hostKeyCode(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape)
        return 27;
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() <= 126)
        return text.at(0).unicode();
    // A character beyond Latin-1 has no engine code, and its Qt code (its
    // Unicode value) could be taken for one.
    if (event.key() >= 256 && event.key() < Qt::Key_Escape)
        return 0;
    return event.key();
}

bool isModifierKey(const QKeyEvent& event)
{
    switch (event.key())
    {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta: return true;
    default: return false;
    }
}

short engineKeyCode(int hostKeyCode)
{
    // The engine's own codes stay: the library translates a drawing area's
    // key again when the event manager reports it.
    if ((hostKeyCode >= 0 && hostKeyCode < 256) || isEngineSpecialKey(hostKeyCode))
        return static_cast<short>(hostKeyCode);
    switch (hostKeyCode)
    {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Delete: return 127;
    default: break;
    }
    // Insert, the cursor and paging keys and the function keys are 256 plus
    // the low byte of their Qt code.
    if (hostKeyCode >= Qt::Key_Escape && hostKeyCode <= Qt::Key_F35 && isEngineSpecialKey(256 + (hostKeyCode & 0xFF)))
        return static_cast<short>(256 + (hostKeyCode & 0xFF));
    return 0;
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
