#include "ovsdkgtkhost/GtkApplicationEventMonitor.h"

#include "GtkInputState.h"
#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "ovsdkgtkhost/GtkGLDrawArea.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "util/ScopedExitAction.h"

#include <epoxy/gl.h>
#include <gtk/gtk.h>

namespace orvane {
namespace sdk {
namespace gtkhost {

using namespace integration;

namespace {

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

// A GLib source of idle priority (GLib dispatches it only when nothing of
// higher priority is ready), ready when the loop woke up since the last
// report (GtkInputState::wakes()): a poll that waited and returned, input,
// an expose, the end of a busy pass. A poll that did not wait (a loop
// iterated without blocking) is no wake-up: such a loop ends.
struct GtkApplicationEventMonitor::IdleSource
{
    GSource source;
    GtkApplicationEventMonitor* monitor;
    unsigned seenWakes;

    static IdleSource& of(GSource* source) { return *reinterpret_cast<IdleSource*>(source); }
    static bool due(GSource* source)
    {
        return of(source).seenWakes != GtkInputState::instance().wakes() && !of(source).monitor->isInBusyPass();
    }

    static gboolean prepare(GSource* source, int* timeout)
    {
        *timeout = -1;
        return due(source);
    }
    static gboolean check(GSource* source) { return due(source); }
    static gboolean dispatch(GSource* source, GSourceFunc, gpointer)
    {
        of(source).seenWakes = GtkInputState::instance().wakes();
        of(source).monitor->reportIdle();
        return G_SOURCE_CONTINUE;
    }

    static GSourceFuncs functions;
};

GSourceFuncs GtkApplicationEventMonitor::IdleSource::functions = {&prepare, &check, &dispatch, nullptr, nullptr, nullptr};

namespace {

GPollFunc previousPoll = nullptr;

// GLib's poll, counting the polls that waited as wake-ups.
int countingPoll(GPollFD* fds, unsigned count, int timeout)
{
    const int result = previousPoll(fds, count, timeout);
    if (result != 0 || timeout != 0)
        GtkInputState::instance().wake();
    return result;
}

} // namespace

GtkApplicationEventMonitor::GtkApplicationEventMonitor(ManagerInterface& manager)
    : EventLoopMonitorAbstract(manager), m_idleSource(g_source_new(&IdleSource::functions, sizeof(IdleSource)))
{
    hostcommon::setUpHostDiagnostics();
    hostcommon::beginHostTrace();
    IdleSource::of(m_idleSource).monitor = this;
    IdleSource::of(m_idleSource).seenWakes = GtkInputState::instance().wakes() - 1;
    g_source_set_priority(m_idleSource, G_PRIORITY_DEFAULT_IDLE);
    g_source_set_name(m_idleSource, "orvane idle report");
    g_source_attach(m_idleSource, nullptr);
    // Installed once for the process, and left: it only counts.
    if (previousPoll == nullptr)
    {
        previousPoll = g_main_context_get_poll_func(nullptr);
        g_main_context_set_poll_func(nullptr, &countingPoll);
    }
    GtkInputObserver::add(this);
}

GtkApplicationEventMonitor::~GtkApplicationEventMonitor()
{
    stopMonitoring();
    hostcommon::endHostTrace();
}

bool GtkApplicationEventMonitor::isReady() { return gtk_is_initialized() && GtkLegacyGL::problem().empty(); }

void GtkApplicationEventMonitor::stopObserving()
{
    GtkInputObserver::remove(this);
    g_source_destroy(m_idleSource);
    g_source_unref(m_idleSource);
}

void GtkApplicationEventMonitor::processLoopEvents()
{
    const ScopedExitAction endOfPass([] { GtkInputState::instance().wake(); });
    const CurrentGLKeeper keeper;
    for (int dispatches = 0; dispatches < MostDispatchesPerPass && g_main_context_iteration(nullptr, FALSE);
         ++dispatches)
    {
    }
}

void GtkApplicationEventMonitor::engineInterrupted() {}

void GtkApplicationEventMonitor::inputArriving(const GtkInputEvent& event, GtkGLDrawArea& drawArea)
{
    const void* receiver = &drawArea;
    const bool toStopButton = isStopButton(receiver);
    signalProcessingNewEvent(EventReceiverInfo{receiver, !toStopButton});
    const double ratio = drawArea.devicePixelRatio();
    if (event.kind == GtkInputEvent::KeyPress || event.kind == GtkInputEvent::KeyRelease)
        reportKey(event.kind == GtkInputEvent::KeyPress, hostKeyCode(event.keyval));
    else if (event.kind == GtkInputEvent::Scroll)
    {
        intern::MouseWheelEvent wheel = wheelEventOf(event, ratio);
        signalWheelRotated(wheel);
    }
    else
    {
        intern::MouseEvent mouseEvent = mouseEventOf(this, event, ratio);
        reportMouse(mouseActionOf(event), mouseEvent);
    }
    if (toStopButton && event.kind == GtkInputEvent::ButtonRelease)
        reportStopButtonClick();
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
