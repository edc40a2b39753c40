#include "integration/GLDrawAreaInterface.h"

#include "util/ConnectAtBack.h"

namespace orvane {
namespace sdk {
namespace integration {

GLDrawAreaInterface::GLDrawAreaInterface() = default;

GLDrawAreaInterface::~GLDrawAreaInterface() = default;

boost::signals2::connection GLDrawAreaInterface::connectDrawAreaExposed(const ExposedSignal::slot_type& slot)
{
    return util::connectAtBack(signalDrawAreaExposed, slot, [this] { signalDrawAreaExposedConnected(); });
}

boost::signals2::connection GLDrawAreaInterface::connectDrawAreaDestroyed(const StateSignal::slot_type& slot)
{
    return util::connectAtBack(signalDrawAreaDestroyed, slot, [this] { signalDrawAreaDestroyedConnected(); });
}

boost::signals2::connection GLDrawAreaInterface::connectDrawAreaFocusGained(const StateSignal::slot_type& slot)
{
    return util::connectAtBack(signalDrawAreaFocusGained, slot, [this] { signalDrawAreaFocusGainedConnected(); });
}

void GLDrawAreaInterface::signalDrawAreaExposedConnected() const {}
void GLDrawAreaInterface::signalDrawAreaDestroyedConnected() const {}
void GLDrawAreaInterface::signalDrawAreaFocusGainedConnected() const {}

} // namespace integration
} // namespace sdk
} // namespace orvane
