#include "DemoManager.h"

DemoManager::DemoManager(BoundaryAccount& account) : m_monitor(*this, account) {}

DemoMonitor& DemoManager::monitor() { return m_monitor; }

orvane::sdk::integration::ApplicationEventMonitorInterface& DemoManager::getApplicationEventMonitor()
{
    return m_monitor;
}
