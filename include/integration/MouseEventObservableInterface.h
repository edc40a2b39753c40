#ifndef ORVANE_INTEGRATION_MOUSEEVENTOBSERVABLEINTERFACE_H
#define ORVANE_INTEGRATION_MOUSEEVENTOBSERVABLEINTERFACE_H

#include "integration/MouseEventInterface.h"
#include "integration/MouseWheelEventInterface.h"
#include "util/Export.h"

#include <boost/signals2/signal.hpp>

namespace orvane {
namespace sdk {
namespace integration {

class MouseEventListenerInterface;

// A source of mouse input: listeners for moves, presses, double presses and
// releases, and a signal for each of those and for wheel rotations (which
// have no listener operation). Whoever reports an event tells the listeners
// first, then fires the signal.
class OVSDK_INTEGRATION_EXPORT MouseEventObservableInterface
{
public:
    typedef boost::signals2::signal<void(MouseEventInterface&)> MouseEventSignal;
    typedef boost::signals2::signal<void(MouseWheelEventInterface&)> WheelEventSignal;

    MouseEventSignal signalMouseMoved;
    MouseEventSignal signalButtonPressed;
    MouseEventSignal signalButtonDoublePressed;
    MouseEventSignal signalButtonReleased;
    WheelEventSignal signalWheelRotated;

    boost::signals2::connection connectMouseMoved(const MouseEventSignal::slot_type& slot);
    boost::signals2::connection connectButtonPressed(const MouseEventSignal::slot_type& slot);
    boost::signals2::connection connectButtonDoublePressed(const MouseEventSignal::slot_type& slot);
    boost::signals2::connection connectButtonReleased(const MouseEventSignal::slot_type& slot);
    boost::signals2::connection connectWheelRotated(const WheelEventSignal::slot_type& slot);

    // Listeners are not owned and must not be null.
    virtual void addMouseListener(MouseEventListenerInterface* listener) = 0;
    virtual void removeMouseListener(MouseEventListenerInterface* listener) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalMouseMovedConnected() const;
    virtual void signalButtonPressedConnected() const;
    virtual void signalButtonDoublePressedConnected() const;
    virtual void signalButtonReleasedConnected() const;
    virtual void signalWheelRotatedConnected() const;

public:
    virtual ~MouseEventObservableInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEEVENTOBSERVABLEINTERFACE_H
