#include "integration/PageInterface.h"

#include "util/ConnectAtBack.h"

#include <cstdint>

namespace orvane {
namespace sdk {
namespace integration {

PageInterface::PageInterface() = default;

PageInterface::~PageInterface() = default;

boost::signals2::connection PageInterface::connectNameChanged(const NameChangedSignal::slot_type& slot)
{
    return util::connectAtBack(signalNameChanged, slot, [this] { signalNameChangedConnected(); });
}

boost::signals2::connection PageInterface::connectDrawAreaChanged(const DrawAreaChangedSignal::slot_type& slot)
{
    return util::connectAtBack(signalDrawAreaChanged, slot, [this] { signalDrawAreaChangedConnected(); });
}

void PageInterface::signalNameChangedConnected() const {}

void PageInterface::signalDrawAreaChangedConnected() const {}

PageInterface::operator long long() const
{
    return static_cast<long long>(reinterpret_cast<std::intptr_t>(this));
}

} // namespace integration
} // namespace sdk
} // namespace orvane
