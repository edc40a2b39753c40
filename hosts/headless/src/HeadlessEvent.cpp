#include "ovsdkheadlesshost/HeadlessEvent.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessEvent HeadlessEvent::makeButton(Kind kind, int button, int x, int y, int modifiers)
{
    HeadlessEvent event = make(kind);
    event.button = button;
    event.x = x;
    event.y = y;
    event.modifiers = modifiers;
    return event;
}

HeadlessEvent HeadlessEvent::makeMove(int x, int y, int modifiers) { return makeButton(MouseMove, 0, x, y, modifiers); }

HeadlessEvent HeadlessEvent::makeWheel(int x, int y, int delta, int modifiers)
{
    HeadlessEvent event = makeButton(Wheel, 0, x, y, modifiers);
    event.delta = delta;
    return event;
}

HeadlessEvent HeadlessEvent::makeKey(Kind kind, int key, int modifiers)
{
    HeadlessEvent event = make(kind);
    event.key = key;
    event.modifiers = modifiers;
    return event;
}

HeadlessEvent HeadlessEvent::makeResize(int width, int height)
{
    HeadlessEvent event = make(Resize);
    event.width = width;
    event.height = height;
    return event;
}

HeadlessEvent HeadlessEvent::make(Kind kind)
{
    HeadlessEvent event;
    event.kind = kind;
    return event;
}

bool HeadlessEvent::isInput() const { return kind <= KeyRelease; }

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
