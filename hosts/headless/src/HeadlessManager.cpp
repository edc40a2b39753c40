#include "ovsdkheadlesshost/HeadlessManager.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessManager::HeadlessManager(HeadlessEventLoop& loop, HeadlessDisplay& display) : m_monitor(*this, loop, display)
{
}

integration::ApplicationEventMonitorInterface& HeadlessManager::getApplicationEventMonitor() { return m_monitor; }

HeadlessApplicationEventMonitor& HeadlessManager::monitor() { return m_monitor; }

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
