#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"

#include "GlfwHiddenWindow.h"
#include "GlfwLiveWindows.h"
#include "GlfwWheelEvent.h"
#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseEvent.h"
#include "util/ScopedExitAction.h"

#include <GLFW/glfw3.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

using namespace integration;

namespace {

const int EscapeKey = 27;

} // namespace

GlfwApplicationEventMonitor::GlfwApplicationEventMonitor(ManagerInterface& manager, GlfwEventLoop& loop)
    : ApplicationEventMonitorAbstract(manager),
      m_loop(loop),
      m_monitoring(true),
      m_inBusyPass(false),
      m_reportingIdle(false),
      m_engineWasBusy(false)
{
    hostcommon::setUpHostDiagnostics();
    hostcommon::beginHostTrace();
    m_loop.addObserver(this);
}

GlfwApplicationEventMonitor::~GlfwApplicationEventMonitor()
{
    stopMonitoring();
    hostcommon::endHostTrace();
}

bool GlfwApplicationEventMonitor::isReady()
{
    const GlfwHiddenWindow probe;
    return probe.window() != nullptr;
}

bool GlfwApplicationEventMonitor::stopMonitoring()
{
    if (m_monitoring)
    {
        m_monitoring = false;
        m_loop.removeObserver(this);
    }
    return true;
}

void GlfwApplicationEventMonitor::processPendingEvents()
{
    m_engineWasBusy = true;
    m_inBusyPass = true;
    const ScopedExitAction endOfPass([this] { m_inBusyPass = false; });
    // The engine draws on into whatever is current when the pass returns;
    // the events may make another context current meanwhile.
    GLFWwindow* const entryContext = glfwGetCurrentContext();
    // Nothing may leave towards the engine's C code.
    try
    {
        m_loop.processEvents();
    }
    catch (...)
    {
    }
    if (entryContext != nullptr && glfwGetCurrentContext() != entryContext && GlfwLiveWindows::contains(entryContext))
        glfwMakeContextCurrent(entryContext);
}

void GlfwApplicationEventMonitor::engineInterrupted() {}

bool GlfwApplicationEventMonitor::interruptDeferred() const { return m_interruptDeferred; }

void GlfwApplicationEventMonitor::inputArriving(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea)
{
    if (event.kind == GlfwWindowEvent::Key && isModifierKey(event.key))
        return;
    const void* receiver = event.window;
    const bool toStopButton = isStopButton(receiver);
    signalProcessingNewEvent(EventReceiverInfo{receiver, !toStopButton});
    if (event.kind == GlfwWindowEvent::Key)
        reportKey(event);
    else
        reportMouse(event, drawArea);
    if (toStopButton && event.kind == GlfwWindowEvent::MouseButton && event.action == GLFW_RELEASE)
    {
        intern::KeyEvent escape(this, EscapeKey);
        notifyOfKeyPressed(escape);
    }
}

void GlfwApplicationEventMonitor::reportKey(const GlfwWindowEvent& event)
{
    intern::KeyEvent keyEvent(this, hostKeyCode(event));
    if (event.action == GLFW_RELEASE)
        notifyOfKeyReleased(keyEvent);
    else
        notifyOfKeyPressed(keyEvent);
}

void GlfwApplicationEventMonitor::reportMouse(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea)
{
    if (event.kind == GlfwWindowEvent::Scroll)
    {
        intern::MouseWheelEvent wheel = wheelEventOf(event, drawArea, m_loop);
        signalWheelRotated(wheel);
        return;
    }
    const bool move = event.kind == GlfwWindowEvent::CursorMoved;
    const MouseEventInterface::MouseButton_e button = move ? MouseEventInterface::MouseButton_None
                                                           : toLibraryButton(event.button);
    intern::MouseEvent mouseEvent(this, button, drawArea.toDevicePixels(event.x), drawArea.toDevicePixels(event.y));
    if (move)
        notifyOfMouseMoved(mouseEvent);
    else if (event.action == GLFW_RELEASE)
    {
        signalMouseButtonStateChanged(button, false);
        notifyOfButtonReleased(mouseEvent);
    }
    else if (event.action == GlfwEventLoop::DoublePress)
        notifyOfButtonDoublePressed(mouseEvent);
    else
    {
        signalMouseButtonStateChanged(button, true);
        notifyOfButtonPressed(mouseEvent);
    }
}

void GlfwApplicationEventMonitor::loopIdle()
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

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
