#include "ovsdkgtkhost/GtkApplicationEventMonitor.h"

#include "GtkInputState.h"
#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "ovsdkgtkhost/GtkGLDrawArea.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseWheelEvent.h"
#include "util/ScopedExitAction.h"

#include <epoxy/gl.h>
#include <gtk/gtk.h>

#include <cmath>

namespace orvane {
namespace sdk {
namespace gtkhost {

using namespace integration;

namespace {

const int EscapeKey = 27;
const int MostDispatchesPerPass = 100;

// The OpenGL context current now and its framebuffer bindings, made current
// again on destruction (unless its surface went meanwhile).
class CurrentGLKeeper
{
public:
    CurrentGLKeeper() : m_context(gdk_gl_context_get_current())
    {
        if (m_context == nullptr)
            return;
        g_object_ref(m_context);
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &m_draw);
        glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &m_read);
    }
    ~CurrentGLKeeper()
    {
        if (m_context == nullptr)
            return;
        GdkSurface* const surface = gdk_gl_context_get_surface(m_context);
        if (surface == nullptr || !gdk_surface_is_destroyed(surface))
        {
            gdk_gl_context_make_current(m_context);
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(m_draw));
            glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(m_read));
        }
        g_object_unref(m_context);
    }
    CurrentGLKeeper(const CurrentGLKeeper&) = delete;
    CurrentGLKeeper& operator=(const CurrentGLKeeper&) = delete;

private:
    GdkGLContext* m_context;
    GLint m_draw = 0;
    GLint m_read = 0;
};

} // namespace

// Two GLib sources. GLib prepares and checks sources in the order of their
// priority and stops at the first ready one, so the wake counter, of the
// highest priority, is checked after every poll of the loop; the idle
// report, of idle priority (below GTK's layout and drawing), is ready when
// the loop polled since the last report, and GLib dispatches it only when
// nothing of higher priority is ready.
struct GtkApplicationEventMonitor::IdleSource
{
    GSource source;
    GtkApplicationEventMonitor* monitor;
    unsigned wakes;

    static IdleSource& of(GSource* source) { return *reinterpret_cast<IdleSource*>(source); }
    static bool due(GSource* source) { return of(source).wakes > 0 && !of(source).monitor->m_inBusyPass; }

    static gboolean prepare(GSource* source, int* timeout)
    {
        *timeout = -1;
        return due(source);
    }
    static gboolean check(GSource* source) { return due(source); }
    static gboolean dispatch(GSource* source, GSourceFunc, gpointer)
    {
        of(source).wakes = 0;
        of(source).monitor->reportIdle();
        return G_SOURCE_CONTINUE;
    }

    static gboolean wakePrepare(GSource*, int* timeout)
    {
        *timeout = -1;
        return FALSE;
    }
    static gboolean wakeCheck(GSource* source)
    {
        ++of(reinterpret_cast<IdleSource*>(source)->monitor->m_idleSource).wakes;
        return FALSE;
    }

    static GSourceFuncs functions;
    static GSourceFuncs wakeFunctions;
};

GSourceFuncs GtkApplicationEventMonitor::IdleSource::functions = {&prepare, &check, &dispatch, nullptr, nullptr, nullptr};
GSourceFuncs GtkApplicationEventMonitor::IdleSource::wakeFunctions = {&wakePrepare, &wakeCheck, nullptr,
                                                                      nullptr,      nullptr,    nullptr};

GtkApplicationEventMonitor::GtkApplicationEventMonitor(ManagerInterface& manager)
    : ApplicationEventMonitorAbstract(manager),
      m_idleSource(g_source_new(&IdleSource::functions, sizeof(IdleSource))),
      m_wakeCounter(g_source_new(&IdleSource::wakeFunctions, sizeof(IdleSource))),
      m_monitoring(true),
      m_inBusyPass(false),
      m_reportingIdle(false),
      m_engineWasBusy(false)
{
    hostcommon::setUpHostDiagnostics();
    hostcommon::beginHostTrace();
    IdleSource::of(m_idleSource).monitor = IdleSource::of(m_wakeCounter).monitor = this;
    IdleSource::of(m_idleSource).wakes = 1;
    g_source_set_priority(m_idleSource, G_PRIORITY_DEFAULT_IDLE);
    g_source_set_name(m_idleSource, "orvane idle report");
    g_source_attach(m_idleSource, nullptr);
    g_source_set_priority(m_wakeCounter, G_PRIORITY_HIGH - 100);
    g_source_set_name(m_wakeCounter, "orvane wake counter");
    g_source_attach(m_wakeCounter, nullptr);
    GtkInputObserver::add(this);
}

GtkApplicationEventMonitor::~GtkApplicationEventMonitor()
{
    stopMonitoring();
    hostcommon::endHostTrace();
}

bool GtkApplicationEventMonitor::isReady() { return gtk_is_initialized() && GtkLegacyGL::problem().empty(); }

bool GtkApplicationEventMonitor::stopMonitoring()
{
    if (m_monitoring)
    {
        m_monitoring = false;
        GtkInputObserver::remove(this);
        for (GSource* source : {m_idleSource, m_wakeCounter})
        {
            g_source_destroy(source);
            g_source_unref(source);
        }
    }
    return true;
}

void GtkApplicationEventMonitor::processPendingEvents()
{
    m_engineWasBusy = true;
    const bool outerPass = m_inBusyPass;
    m_inBusyPass = true;
    const ScopedExitAction endOfPass([this, outerPass] { m_inBusyPass = outerPass; });
    const CurrentGLKeeper keeper;
    // Nothing may leave towards the engine's C code.
    try
    {
        for (int dispatches = 0; dispatches < MostDispatchesPerPass && g_main_context_iteration(nullptr, FALSE);
             ++dispatches)
        {
        }
    }
    catch (...)
    {
    }
}

void GtkApplicationEventMonitor::engineInterrupted() {}

void GtkApplicationEventMonitor::inputArriving(const GtkInputEvent& event, GtkGLDrawArea& drawArea)
{
    const void* receiver = &drawArea;
    const bool toStopButton = isStopButton(receiver);
    signalProcessingNewEvent(EventReceiverInfo{receiver, !toStopButton});
    const MouseEventInterface::MouseButton_e button =
        event.button == 1 ? MouseEventInterface::MouseButton_1
        : event.button == 2 ? MouseEventInterface::MouseButton_2
        : event.button == 3 ? MouseEventInterface::MouseButton_3
                            : MouseEventInterface::MouseButton_Invalid;
    const double ratio = drawArea.devicePixelRatio();
    intern::MouseEvent mouseEvent(this, event.kind == GtkInputEvent::Motion ? MouseEventInterface::MouseButton_None
                                                                            : button,
                                  int(std::lround(event.x * ratio)), int(std::lround(event.y * ratio)));
    switch (event.kind)
    {
    case GtkInputEvent::KeyPress:
    case GtkInputEvent::KeyRelease:
    {
        intern::KeyEvent keyEvent(this, hostKeyCode(event.keyval));
        if (event.kind == GtkInputEvent::KeyPress)
            notifyOfKeyPressed(keyEvent);
        else
            notifyOfKeyReleased(keyEvent);
        break;
    }
    case GtkInputEvent::Scroll:
    {
        const GtkInputState& state = GtkInputState::instance();
        const bool vertical = event.scrollY != 0.0;
        intern::MouseWheelEvent wheel(mouseEvent.x(), mouseEvent.y(),
                                      int(std::lround((vertical ? -event.scrollY : event.scrollX) * 120)),
                                      state.isButtonDown(1), state.isButtonDown(2), state.isButtonDown(3),
                                      vertical ? MouseWheelEventInterface::Orientation_Vertical
                                               : MouseWheelEventInterface::Orientation_Horizontal);
        signalWheelRotated(wheel);
        break;
    }
    case GtkInputEvent::Motion: notifyOfMouseMoved(mouseEvent); break;
    case GtkInputEvent::ButtonRelease:
        signalMouseButtonStateChanged(button, false);
        notifyOfButtonReleased(mouseEvent);
        break;
    case GtkInputEvent::ButtonPress:
        if (event.pressCount == 2)
            notifyOfButtonDoublePressed(mouseEvent);
        else
        {
            signalMouseButtonStateChanged(button, true);
            notifyOfButtonPressed(mouseEvent);
        }
        break;
    default: break;
    }
    if (toStopButton && event.kind == GtkInputEvent::ButtonRelease)
    {
        intern::KeyEvent escape(this, EscapeKey);
        notifyOfKeyPressed(escape);
    }
}

void GtkApplicationEventMonitor::reportIdle()
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

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
