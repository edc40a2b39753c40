#ifndef ORVANE_TESTS_SUPPORT_TESTAPPLICATIONEVENTMONITOR_H
#define ORVANE_TESTS_SUPPORT_TESTAPPLICATIONEVENTMONITOR_H

#include "integration/intern/ApplicationEventMonitorAbstract.h"

#include <cstddef>
#include <deque>
#include <functional>

namespace orvane {
namespace test {

// A host's application event monitor. Its GUI event queue is a queue of
// host actions: processPendingEvents, called from the engine's busy loop,
// runs the actions that were pending when the pass began (actions posted
// during a pass wait for the next one), as a toolkit's event loop would.
class TestApplicationEventMonitor : public sdk::integration::intern::ApplicationEventMonitorAbstract
{
public:
    explicit TestApplicationEventMonitor(sdk::integration::ManagerInterface& manager);

    // What the host answers.
    bool ready = true;

    // What the host was asked.
    int busyPasses = 0;
    int interruptedCalls = 0;
    int stopMonitoringCalls = 0;

    // Queues a GUI event for the next busy-event pass.
    void post(std::function<void()> action);
    std::size_t pendingActions() const;

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

    bool isReady() override;
    bool stopMonitoring() override;
    void processPendingEvents() override;
    void engineInterrupted() override;

private:
    std::deque<std::function<void()>> m_pendingActions;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTAPPLICATIONEVENTMONITOR_H
