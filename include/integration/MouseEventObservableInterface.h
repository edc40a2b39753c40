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
    // The signal of moves, presses, double presses and releases.
    typedef boost::signals2::signal<void(MouseEventInterface&)> MouseEventSignal;
    // The signal of wheel rotations.
    typedef boost::signals2::signal<void(MouseWheelEventInterface&)> WheelEventSignal;

    // The mouse moved (after the listeners' mouseMoved).
    MouseEventSignal signalMouseMoved;
    // A button went down (after the listeners' buttonPressed).
    MouseEventSignal signalButtonPressed;
    // A button was double-pressed (after the listeners' buttonDoublePressed).
    MouseEventSignal signalButtonDoublePressed;
    // A button went up (after the listeners' buttonReleased).
    MouseEventSignal signalButtonReleased;
    // The wheel turned; the only way wheel input is reported.
    WheelEventSignal signalWheelRotated;

    // Connects `slot` at the back of signalMouseMoved, then calls
    // signalMouseMovedConnected().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectMouseMoved(const MouseEventSignal::slot_type& slot);
    // Connects `slot` at the back of signalButtonPressed, then calls
    // signalButtonPressedConnected().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectButtonPressed(const MouseEventSignal::slot_type& slot);
    // Connects `slot` at the back of signalButtonDoublePressed, then calls
    // signalButtonDoublePressedConnected().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectButtonDoublePressed(const MouseEventSignal::slot_type& slot);
    // Connects `slot` at the back of signalButtonReleased, then calls
    // signalButtonReleasedConnected().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectButtonReleased(const MouseEventSignal::slot_type& slot);
    // Connects `slot` at the back of signalWheelRotated, then calls
    // signalWheelRotatedConnected().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectWheelRotated(const WheelEventSignal::slot_type& slot);

    // Listeners are not owned and must not be null.
    // Adding one twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // event.
    virtual void addMouseListener(MouseEventListenerInterface* listener) = 0;
    // Stops `listener` hearing mouse input; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    virtual void removeMouseListener(MouseEventListenerInterface* listener) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalMouseMovedConnected() const;
    virtual void signalButtonPressedConnected() const;
    virtual void signalButtonDoublePressedConnected() const;
    virtual void signalButtonReleasedConnected() const;
    virtual void signalWheelRotatedConnected() const;

public:
    // Listeners are not told that their observable goes.
    virtual ~MouseEventObservableInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEEVENTOBSERVABLEINTERFACE_H
