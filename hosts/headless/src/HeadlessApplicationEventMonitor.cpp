#include "ovsdkheadlesshost/HeadlessApplicationEventMonitor.h"

#include "CurrentContextKeeper.h"
#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseWheelEvent.h"
#include "ovexception/ExceptionBase.h"
#include "util/ScopedExitAction.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

using namespace integration;

HeadlessApplicationEventMonitor::HeadlessApplicationEventMonitor(ManagerInterface& manager, HeadlessEventLoop& loop,
                                                                 HeadlessDisplay& display)
    : ApplicationEventMonitorAbstract(manager),
      m_loop(loop),
      m_display(display),
      m_monitoring(true),
      m_inBusyPass(false),
      m_reportingIdle(false),
      m_engineWasBusy(false)
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

bool HeadlessApplicationEventMonitor::stopMonitoring()
{
    if (m_monitoring)
    {
        m_monitoring = false;
        m_loop.removeObserver(this);
    }
    return true;
}

void HeadlessApplicationEventMonitor::processPendingEvents()
{
    m_engineWasBusy = true;
    m_inBusyPass = true;
    const ScopedExitAction endOfPass([this] { m_inBusyPass = false; });
    // The engine draws on into whatever is current when the pass returns.
    const CurrentContextKeeper keeper(m_display);
    // Nothing may leave towards the engine's C code.
    try
    {
        m_loop.processEvents();
    }
    catch (...)
    {
    }
}

void HeadlessApplicationEventMonitor::engineInterrupted() {}

void HeadlessApplicationEventMonitor::inputArriving(const HeadlessEvent& event, HeadlessGLDrawArea& drawArea)
{
    signalProcessingNewEvent(EventReceiverInfo{&drawArea, true});
    switch (event.kind)
    {
    case HeadlessEvent::KeyPress:
    case HeadlessEvent::KeyRelease:
    {
        intern::KeyEvent key(this, event.key);
        if (event.kind == HeadlessEvent::KeyPress)
            notifyOfKeyPressed(key);
        else
            notifyOfKeyReleased(key);
        break;
    }
    case HeadlessEvent::Wheel:
    {
        intern::MouseWheelEvent wheel(event.x, event.y, event.delta, m_loop.isButtonDown(1), m_loop.isButtonDown(2),
                                      m_loop.isButtonDown(3), MouseWheelEventInterface::Orientation_Vertical);
        signalWheelRotated(wheel);
        break;
    }
    case HeadlessEvent::MouseMove:
    {
        intern::MouseEvent move(this, MouseEventInterface::MouseButton_None, event.x, event.y);
        notifyOfMouseMoved(move);
        break;
    }
    default:
    {
        const auto button = static_cast<MouseEventInterface::MouseButton_e>(event.button);
        const bool press = event.kind == HeadlessEvent::ButtonPress;
        intern::MouseEvent mouse(this, button, event.x, event.y);
        signalMouseButtonStateChanged(button, press);
        if (press)
            notifyOfButtonPressed(mouse);
        else
            notifyOfButtonReleased(mouse);
    }
    }
}

void HeadlessApplicationEventMonitor::loopIdle()
{
    if (m_inBusyPass || m_reportingIdle || isBusy())
        return;
    m_reportingIdle = true;
    const ScopedExitAction endOfIdle([this] { m_reportingIdle = false; });
    if (m_engineWasBusy)
    {
        m_engineWasBusy = false;
        signalEngineIsNoLongerBusy();
    }
    notifyOfIdle(*this);
}

void HeadlessApplicationEventMonitor::interruptRequested()
{
    if (m_inBusyPass)
        interrupt();
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
