#ifndef ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H
#define ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H

#include "integration/MouseEventObservableInterface.h"
#include "integration/intern/MouseListenerSet.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// A ready-made mouse observable: the interface's add and remove operations
// keep the listeners in a MouseListenerSet, which the owner notifies with
// notifyOf..., then fires its own signal. The signals inherited here are
// never fired; an object that implements MouseEventObservableInterface
// itself holds a MouseListenerSet instead.
class OVSDK_INTEGRATION_EXPORT MouseEventObservable : public virtual MouseEventObservableInterface,
                                                      public MouseListenerSet
{
public:
    // An empty set.
    MouseEventObservable();
    // Tells no listener.
    ~MouseEventObservable() override;

    // MouseListenerSet::addMouseListener().
    void addMouseListener(MouseEventListenerInterface* listener) override;
    // MouseListenerSet::removeMouseListener().
    void removeMouseListener(MouseEventListenerInterface* listener) override;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H
