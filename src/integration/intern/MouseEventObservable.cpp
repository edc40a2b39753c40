#include "integration/intern/MouseEventObservable.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

MouseEventObservable::MouseEventObservable() = default;

MouseEventObservable::~MouseEventObservable() = default;

void MouseEventObservable::addMouseListener(MouseEventListenerInterface* listener)
{
    MouseListenerSet::addMouseListener(listener);
}

void MouseEventObservable::removeMouseListener(MouseEventListenerInterface* listener)
{
    MouseListenerSet::removeMouseListener(listener);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
