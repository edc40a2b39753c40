#include "integration/MouseEventObservableInterface.h"

#include "util/ConnectAtBack.h"

namespace orvane {
namespace sdk {
namespace integration {

boost::signals2::connection MouseEventObservableInterface::connectMouseMoved(const MouseEventSignal::slot_type& slot)
{
    return util::connectAtBack(signalMouseMoved, slot, [this] { signalMouseMovedConnected(); });
}

boost::signals2::connection MouseEventObservableInterface::connectButtonPressed(const MouseEventSignal::slot_type& slot)
{
    return util::connectAtBack(signalButtonPressed, slot, [this] { signalButtonPressedConnected(); });
}

boost::signals2::connection MouseEventObservableInterface::connectButtonDoublePressed(
    const MouseEventSignal::slot_type& slot)
{
    return util::connectAtBack(signalButtonDoublePressed, slot, [this] { signalButtonDoublePressedConnected(); });
}

boost::signals2::connection MouseEventObservableInterface::connectButtonReleased(const MouseEventSignal::slot_type& slot)
{
    return util::connectAtBack(signalButtonReleased, slot, [this] { signalButtonReleasedConnected(); });
}

boost::signals2::connection MouseEventObservableInterface::connectWheelRotated(const WheelEventSignal::slot_type& slot)
{
    return util::connectAtBack(signalWheelRotated, slot, [this] { signalWheelRotatedConnected(); });
}

void MouseEventObservableInterface::signalMouseMovedConnected() const {}
void MouseEventObservableInterface::signalButtonPressedConnected() const {}
void MouseEventObservableInterface::signalButtonDoublePressedConnected() const {}
void MouseEventObservableInterface::signalButtonReleasedConnected() const {}
void MouseEventObservableInterface::signalWheelRotatedConnected() const {}

MouseEventObservableInterface::~MouseEventObservableInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
