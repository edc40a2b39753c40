#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"

#include "GlfwHiddenWindow.h"
#include "GlfwLibraryEvent.h"
#include "GlfwLiveWindows.h"
#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"

#include "integration/intern/MouseEvent.h"
#include "util/ScopedExitAction.h"

#include <GLFW/glfw3.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

using namespace integration;

GlfwApplicationEventMonitor::GlfwApplicationEventMonitor(ManagerInterface& manager, GlfwEventLoop& loop)
    : EventLoopMonitorAbstract(manager), m_loop(loop)
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

void GlfwApplicationEventMonitor::stopObserving() { m_loop.removeObserver(this); }

void GlfwApplicationEventMonitor::processLoopEvents()
{
    // The engine draws on into whatever is current when the pass returns;
    // the events may make another context current meanwhile.
    GLFWwindow* const entryContext = glfwGetCurrentContext();
    const ScopedExitAction restore([entryContext] {
        if (entryContext != nullptr && glfwGetCurrentContext() != entryContext &&
            GlfwLiveWindows::contains(entryContext))
            glfwMakeContextCurrent(entryContext);
    });
    m_loop.processEvents();
}

void GlfwApplicationEventMonitor::engineInterrupted() {}

void GlfwApplicationEventMonitor::inputArriving(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea)
{
    if (event.kind == GlfwWindowEvent::Key && isModifierKey(event.key))
        return;
    const void* receiver = event.window;
    const bool toStopButton = isStopButton(receiver);
    signalProcessingNewEvent(EventReceiverInfo{receiver, !toStopButton});
    reportInput(event, drawArea);
    if (toStopButton && event.kind == GlfwWindowEvent::MouseButton && event.action == GLFW_RELEASE)
        reportStopButtonClick();
}

void GlfwApplicationEventMonitor::reportInput(const GlfwWindowEvent& event, GlfwGLDrawArea& drawArea)
{
    if (event.kind == GlfwWindowEvent::Key)
        reportKey(event.action != GLFW_RELEASE, hostKeyCode(event));
    else if (event.kind == GlfwWindowEvent::Scroll)
    {
        intern::MouseWheelEvent wheel = wheelEventOf(event, drawArea, m_loop);
        signalWheelRotated(wheel);
    }
    else
    {
        intern::MouseEvent mouseEvent(this, mouseButtonOf(event), drawArea.toDevicePixels(event.x),
                                      drawArea.toDevicePixels(event.y));
        reportMouse(mouseActionOf(event), mouseEvent);
    }
}

void GlfwApplicationEventMonitor::loopIdle() { reportIdle(); }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
