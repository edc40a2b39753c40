#include "ovsdkheadlesshost/HeadlessEventLoop.h"

#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "util/ScopedExitAction.h"

#include <algorithm>

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessEventLoop::Observer::~Observer() {}

HeadlessEventLoop::HeadlessEventLoop()
    : m_interruptRequested(false), m_interruptDelivered(false), m_modifiers(0), m_buttonsDown(0)
{
}

HeadlessEventLoop::~HeadlessEventLoop() {}

void HeadlessEventLoop::post(HeadlessGLDrawArea& drawArea, const HeadlessEvent& event)
{
    m_queue.push_back(Queued{&drawArea, event, nullptr});
}

void HeadlessEventLoop::postTask(std::function<void()> task)
{
    m_queue.push_back(Queued{nullptr, HeadlessEvent(), std::move(task)});
}

void HeadlessEventLoop::processEvents()
{
    deliverInterrupt();
    // Only what is queued now, each once: a delivery that processes events
    // again (a busy pass inside an engine operation) takes the next ones,
    // and what is queued meanwhile waits for the next pass.
    for (std::size_t pending = m_queue.size(); pending > 0 && !m_queue.empty(); --pending)
    {
        Queued queued = std::move(m_queue.front());
        m_queue.pop_front();
        deliver(queued);
        deliverInterrupt();
    }
}

void HeadlessEventLoop::runOnce()
{
    processEvents();
    ui::common::processIdleActions();
    tellObservers([](Observer& observer) { observer.loopIdle(); });
}

void HeadlessEventLoop::requestInterrupt() { m_interruptRequested.store(true); }

bool HeadlessEventLoop::isInterruptRequested() const { return m_interruptRequested.load(); }

void HeadlessEventLoop::clearInterrupt()
{
    m_interruptRequested.store(false);
    m_interruptDelivered = false;
}

int HeadlessEventLoop::keyboardModifiers() const { return m_modifiers; }

bool HeadlessEventLoop::isButtonDown(int button) const
{
    return button >= 1 && button <= 3 && (m_buttonsDown & (1u << button)) != 0;
}

void HeadlessEventLoop::addObserver(Observer* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void HeadlessEventLoop::removeObserver(Observer* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void HeadlessEventLoop::forget(const HeadlessGLDrawArea& drawArea)
{
    m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(),
                                 [&drawArea](const Queued& queued) { return queued.drawArea == &drawArea; }),
                  m_queue.end());
}

void HeadlessEventLoop::deliver(Queued& queued)
{
    if (queued.drawArea == nullptr)
    {
        queued.task();
        return;
    }
    const HeadlessEvent& event = queued.event;
    if (event.kind == HeadlessEvent::ButtonPress && event.button >= 1 && event.button <= 3)
        m_buttonsDown |= 1u << event.button;
    else if (event.kind == HeadlessEvent::ButtonRelease && event.button >= 1 && event.button <= 3)
        m_buttonsDown &= ~(1u << event.button);
    const int outerModifiers = m_modifiers;
    m_modifiers = event.modifiers;
    const ScopedExitAction restore([this, outerModifiers] { m_modifiers = outerModifiers; });
    if (event.isInput())
        tellObservers([&queued](Observer& observer) { observer.inputArriving(queued.event, *queued.drawArea); });
    queued.drawArea->deliver(event);
}

// Observers removed by an earlier one's call are not told.
void HeadlessEventLoop::tellObservers(const std::function<void(Observer&)>& tell)
{
    const std::vector<Observer*> observers = m_observers;
    for (Observer* observer : observers)
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            tell(*observer);
}

void HeadlessEventLoop::deliverInterrupt()
{
    if (!m_interruptRequested.load() || m_interruptDelivered)
        return;
    m_interruptDelivered = true;
    tellObservers([](Observer& observer) { observer.interruptRequested(); });
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
