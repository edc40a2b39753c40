#include "integration/PageManagerInterface.h"

#include "util/ConnectAtBack.h"

namespace orvane {
namespace sdk {
namespace integration {

PageManagerInterface::PageManagerInterface() = default;

PageManagerInterface::~PageManagerInterface() = default;

boost::signals2::connection PageManagerInterface::connectPageCreated(const PageSignal::slot_type& slot)
{
    return util::connectAtBack(signalPageCreated, slot, [this] { signalPageCreatedConnected(); });
}

boost::signals2::connection PageManagerInterface::connectPageDestroyed(const PageSignal::slot_type& slot)
{
    return util::connectAtBack(signalPageDestroyed, slot, [this] { signalPageDestroyedConnected(); });
}

boost::signals2::connection PageManagerInterface::connectPageCurrentChanged(const PageSignal::slot_type& slot)
{
    return util::connectAtBack(signalPageCurrentChanged, slot, [this] { signalPageCurrentChangedConnected(); });
}

void PageManagerInterface::signalPageCreatedConnected() const {}

void PageManagerInterface::signalPageDestroyedConnected() const {}

void PageManagerInterface::signalPageCurrentChangedConnected() const {}

} // namespace integration
} // namespace sdk
} // namespace orvane
