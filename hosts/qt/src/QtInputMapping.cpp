#include "ovsdkqthost/QtInputMapping.h"

#include <QKeyEvent>

namespace orvane {
namespace sdk {
namespace qthost {

using integration::MouseEventInterface;

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
    if (hostKeyCode >= 0 && hostKeyCode < 256)
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
    const bool navigation = hostKeyCode >= Qt::Key_Insert && hostKeyCode <= Qt::Key_PageDown &&
                            hostKeyCode != Qt::Key_Pause && hostKeyCode != Qt::Key_Print &&
                            hostKeyCode != Qt::Key_SysReq && hostKeyCode != Qt::Key_Clear;
    const bool functionKey = hostKeyCode >= Qt::Key_F1 && hostKeyCode <= Qt::Key_F35;
    if (navigation || functionKey)
        return static_cast<short>(256 + (hostKeyCode & 0xFF));
    return 0;
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
