#include "ovsdkheadlesshost/HeadlessApplicationEventMonitor.h"

#include "CurrentContextKeeper.h"
#include "HeadlessLibraryEvent.h"
#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

#include "integration/intern/MouseEvent.h"
#include "ovexception/ExceptionBase.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

using namespace integration;

HeadlessApplicationEventMonitor::HeadlessApplicationEventMonitor(ManagerInterface& manager, HeadlessEventLoop& loop,
                                                                 HeadlessDisplay& display)
    : EventLoopMonitorAbstract(manager), m_loop(loop), m_display(display)
{
    hostcommon::setUpHostDiagnostics();
    hostcommon::beginHostTrace();
    m_loop.addObserver(this);
}

HeadlessApplicationEventMonitor::~HeadlessApplicationEventMonitor()
{
    stopMonitoring();
    hostcommon::endHostTrace();
}

bool HeadlessApplicationEventMonitor::isReady()
{
    try
    {
        m_display.destroyContext(m_display.createContext());
        return true;
    }
    catch (const ExceptionBase&)
    {
        return false;
    }
}

void HeadlessApplicationEventMonitor::stopObserving() { m_loop.removeObserver(this); }

void HeadlessApplicationEventMonitor::processLoopEvents()
{
    // The engine draws on into whatever is current when the pass returns.
    const CurrentContextKeeper keeper(m_display);
    m_loop.processEvents();
}

void HeadlessApplicationEventMonitor::engineInterrupted() {}

void HeadlessApplicationEventMonitor::inputArriving(const HeadlessEvent& event, HeadlessGLDrawArea& drawArea)
{
    signalProcessingNewEvent(EventReceiverInfo{&drawArea, true});
    if (event.kind == HeadlessEvent::KeyPress || event.kind == HeadlessEvent::KeyRelease)
        reportKey(event.kind == HeadlessEvent::KeyPress, event.key);
    else if (event.kind == HeadlessEvent::Wheel)
    {
        intern::MouseWheelEvent wheel = wheelEventOf(event, m_loop);
        signalWheelRotated(wheel);
    }
    else
    {
        intern::MouseEvent mouse(this, mouseButtonOf(event), event.x, event.y);
        reportMouse(mouseActionOf(event), mouse);
    }
}

void HeadlessApplicationEventMonitor::loopIdle() { reportIdle(); }

void HeadlessApplicationEventMonitor::interruptRequested()
{
    if (isInBusyPass())
        interrupt();
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
