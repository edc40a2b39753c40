#ifndef ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H

#include "integration/ManagerAbstract.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

namespace orvane {
namespace test {

// A host's application event monitor. Its GUI event queue is a queue of
// host actions: processPendingEvents, called from the engine's busy loop,
// runs the actions that were pending when the pass began (actions posted
// during a pass wait for the next one), as a toolkit's event loop would.
class TestApplicationEventMonitor : public sdk::integration::intern::ApplicationEventMonitorAbstract
{
public:
    explicit TestApplicationEventMonitor(sdk::integration::ManagerInterface& manager)
        : ApplicationEventMonitorAbstract(manager)
    {
    }

    // What the host answers.
    bool ready = true;

    // What the host was asked.
    int busyPasses = 0;
    int interruptedCalls = 0;
    int stopMonitoringCalls = 0;

    // Queues a GUI event for the next busy-event pass.
    void post(std::function<void()> action) { m_pendingActions.push_back(std::move(action)); }
    std::size_t pendingActions() const { return m_pendingActions.size(); }

    bool interruptDeferred() const { return m_interruptDeferred; }

    // The host's side of the monitor, open to tests and scenarios.
    using ApplicationEventMonitorAbstract::isStopButton;
    using ApplicationEventMonitorAbstract::notifyOfButtonDoublePressed;
    using ApplicationEventMonitorAbstract::notifyOfButtonPressed;
    using ApplicationEventMonitorAbstract::notifyOfButtonReleased;
    using ApplicationEventMonitorAbstract::notifyOfIdle;
    using ApplicationEventMonitorAbstract::notifyOfKeyPressed;
    using ApplicationEventMonitorAbstract::notifyOfKeyReleased;
    using ApplicationEventMonitorAbstract::notifyOfMouseMoved;

    bool isReady() override { return ready; }
    bool stopMonitoring() override
    {
        ++stopMonitoringCalls;
        return true;
    }
    void processPendingEvents() override
    {
        ++busyPasses;
        for (std::size_t pending = m_pendingActions.size(); pending > 0 && !m_pendingActions.empty(); --pending)
        {
            const std::function<void()> action = std::move(m_pendingActions.front());
            m_pendingActions.pop_front();
            action();
        }
    }
    void engineInterrupted() override { ++interruptedCalls; }

private:
    std::deque<std::function<void()>> m_pendingActions;
};

// A host's manager with its application event monitor. Like any host, a
// test stops it before it goes (the event manager lives until stop()).
class TestHostManager : public sdk::integration::ManagerAbstract
{
public:
    TestHostManager() : monitor(*this) {}

    TestApplicationEventMonitor monitor;

    sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return monitor; }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTHOSTMANAGER_H
