#include "support/TestApplicationEventMonitor.h"

namespace orvane {
namespace test {

TestApplicationEventMonitor::TestApplicationEventMonitor(sdk::integration::ManagerInterface& manager)
    : ApplicationEventMonitorAbstract(manager)
{
}

void TestApplicationEventMonitor::post(std::function<void()> action) { m_pendingActions.push_back(std::move(action)); }

std::size_t TestApplicationEventMonitor::pendingActions() const { return m_pendingActions.size(); }

bool TestApplicationEventMonitor::isReady() { return ready; }

bool TestApplicationEventMonitor::stopMonitoring()
{
    ++stopMonitoringCalls;
    return true;
}

void TestApplicationEventMonitor::processPendingEvents()
{
    ++busyPasses;
    for (std::size_t pending = m_pendingActions.size(); pending > 0 && !m_pendingActions.empty(); --pending)
    {
        const std::function<void()> action = std::move(m_pendingActions.front());
        m_pendingActions.pop_front();
        action();
    }
}

void TestApplicationEventMonitor::engineInterrupted() { ++interruptedCalls; }

} // namespace test
} // namespace orvane
