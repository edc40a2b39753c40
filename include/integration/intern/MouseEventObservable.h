#ifndef ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H
#define ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H

#include "integration/MouseEventObservableInterface.h"
#include "util/ListenerSet.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// A ready-made set of mouse listeners, called in ascending pointer order. An
// object that implements MouseEventObservableInterface holds one, forwards
// its add and remove operations to it and calls notifyOf... with itself as
// `source`, then fires its own signal. The signals inherited here are never
// fired.
class OVSDK_INTEGRATION_EXPORT MouseEventObservable : public virtual MouseEventObservableInterface
{
public:
    MouseEventObservable();
    ~MouseEventObservable() override;

    // Adding a listener twice keeps it once.
    void addMouseListener(MouseEventListenerInterface* listener) override;
    void removeMouseListener(MouseEventListenerInterface* listener) override;

    void notifyOfMouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source);
    void notifyOfButtonPressed(MouseEventInterface& event, MouseEventObservableInterface& source);
    void notifyOfButtonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source);
    void notifyOfButtonReleased(MouseEventInterface& event, MouseEventObservableInterface& source);

private:
    typedef void (MouseEventListenerInterface::*ListenerOperation)(MouseEventInterface&,
                                                                   MouseEventObservableInterface&);

    void notify(ListenerOperation operation, MouseEventInterface& event, MouseEventObservableInterface& source);

    util::ListenerSet<MouseEventListenerInterface> m_listeners;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_MOUSEEVENTOBSERVABLE_H
