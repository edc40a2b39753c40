#include "integration/OnIdleObservableInterface.h"

#include "util/ConnectAtBack.h"

namespace orvane {
namespace sdk {
namespace integration {

boost::signals2::connection OnIdleObservableInterface::connectOnIdle(const OnIdleSignal::slot_type& slot)
{
    return util::connectAtBack(signalOnIdle, slot, [this] { signalOnIdleConnected(); });
}

void OnIdleObservableInterface::signalOnIdleConnected() const {}

OnIdleObservableInterface::~OnIdleObservableInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
