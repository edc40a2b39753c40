#include "integration/ManagerInterface.h"

#include "util/ConnectAtBack.h"

namespace orvane {
namespace sdk {
namespace integration {

ManagerInterface::ManagerInterface() = default;

ManagerInterface::~ManagerInterface() = default;

void ManagerInterface::signalEngineStartedConnected() const {}

void ManagerInterface::signalEngineShutdownInitiatedConnected() const {}

void ManagerInterface::signalEngineShutdownFinishedConnected() const {}

boost::signals2::connection ManagerInterface::connectEngineStarted(const EngineSignal::slot_type& slot)
{
    return util::connectAtBack(signalEngineStarted, slot, [this] { signalEngineStartedConnected(); });
}

boost::signals2::connection ManagerInterface::connectEngineShutdownInitiated(const EngineSignal::slot_type& slot)
{
    return util::connectAtBack(signalEngineShutdownInitiated, slot,
                               [this] { signalEngineShutdownInitiatedConnected(); });
}

boost::signals2::connection ManagerInterface::connectEngineShutdownFinished(const EngineSignal::slot_type& slot)
{
    return util::connectAtBack(signalEngineShutdownFinished, slot,
                               [this] { signalEngineShutdownFinishedConnected(); });
}

} // namespace integration
} // namespace sdk
} // namespace orvane
