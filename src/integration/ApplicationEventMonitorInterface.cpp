#include "integration/ApplicationEventMonitorInterface.h"

#include "util/ConnectAtBack.h"

namespace orvane {
namespace sdk {
namespace integration {

boost::signals2::connection ApplicationEventMonitorInterface::connectMouseButtonStateChanged(
    const MouseButtonStateChangedSignal::slot_type& slot)
{
    return util::connectAtBack(signalMouseButtonStateChanged, slot,
                               [this] { signalMouseButtonStateChangedConnected(); });
}

boost::signals2::connection ApplicationEventMonitorInterface::connectWidgetChangeDuetoTimerEvent(
    const NotificationSignal::slot_type& slot)
{
    return util::connectAtBack(signalWidgetChangeDuetoTimerEvent, slot,
                               [this] { signalWidgetChangeDuetoTimerEventConnected(); });
}

boost::signals2::connection ApplicationEventMonitorInterface::connectProcessingNewEvent(
    const ProcessingNewEventSignal::slot_type& slot)
{
    return util::connectAtBack(signalProcessingNewEvent, slot, [this] { signalProcessingNewEventConnected(); });
}

boost::signals2::connection ApplicationEventMonitorInterface::connectEngineIsNoLongerBusy(
    const NotificationSignal::slot_type& slot)
{
    return util::connectAtBack(signalEngineIsNoLongerBusy, slot, [this] { signalEngineIsNoLongerBusyConnected(); });
}

void ApplicationEventMonitorInterface::signalMouseButtonStateChangedConnected() const {}
void ApplicationEventMonitorInterface::signalWidgetChangeDuetoTimerEventConnected() const {}
void ApplicationEventMonitorInterface::signalProcessingNewEventConnected() const {}
void ApplicationEventMonitorInterface::signalEngineIsNoLongerBusyConnected() const {}

ApplicationEventMonitorInterface::~ApplicationEventMonitorInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
