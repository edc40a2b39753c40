#include "ovsdkgtkhost/GtkGLDrawArea.h"

#include "GLFramebuffer.h"
#include "GtkFramebuffer.h"
#include "GtkInputState.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "ovexception/ExceptionBase.h"

#include <epoxy/gl.h>
#include <gtk/gtk.h>

namespace orvane {
namespace sdk {
namespace gtkhost {

using namespace integration;

namespace {

// Exposes go out after GTK's layout and drawing (G_PRIORITY_HIGH_IDLE + 10
// and + 20) and after the monitor's idle report (G_PRIORITY_DEFAULT_IDLE):
// the engine makes a page it created current at its idle time, and an
// expose of a page not current yet would be lost.
const int ExposePriority = G_PRIORITY_DEFAULT_IDLE + 10;

unsigned stateOf(void* controller)
{
    return gtk_event_controller_get_current_event_state(GTK_EVENT_CONTROLLER(controller));
}

} // namespace

// GTK's signal handlers; `self` is the drawing area.
struct GtkGLDrawArea::Callbacks
{
    static void realize(GtkGLArea* area, GtkGLDrawArea* self)
    {
        gtk_gl_area_make_current(area);
        if (gtk_gl_area_get_error(area) != nullptr)
            return;
        GdkGLContext* const context = gtk_gl_area_get_context(area);
        if (gdk_gl_context_get_api(context) != GDK_GL_API_GL || !gdk_gl_context_is_legacy(context))
        {
            gtk_gl_area_set_error(area, g_error_new_literal(G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED,
                                                            GtkLegacyGL::problem().c_str()));
            return;
        }
        self->m_framebuffer.reset(new GtkFramebuffer(context));
        self->m_realized = true;
        self->requestExpose();
    }

    static void unrealize(GtkGLArea*, GtkGLDrawArea* self)
    {
        if (!self->m_realized)
            return;
        self->m_framebuffer.reset();
        self->m_realized = self->m_exposed = self->m_frameReady = false;
    }

    // Shown again: its picture is asked for again, as after an expose.
    static void map(GtkWidget*, GtkGLDrawArea* self)
    {
        if (self->m_realized)
            self->requestExpose();
    }

    static void resize(GtkGLArea*, int, int, GtkGLDrawArea* self)
    {
        self->m_frameReady = false;
        if (self->m_exposed)
            self->requestExpose();
    }

    // GTK paints: the last frame swapped goes into its framebuffer, bound now.
    static gboolean render(GtkGLArea*, GdkGLContext*, GtkGLDrawArea* self)
    {
        GLint target = 0;
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &target);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        int width = 0, height = 0;
        self->getSize(width, height);
        if (self->m_framebuffer != nullptr)
            self->m_framebuffer->copyFrontTo(unsigned(target), width, height);
        // GTK asked by itself (it was not the frame handed over), or the
        // frame is not of the current size: the engine draws again.
        if (!self->m_swapPending || !self->m_frameReady)
            self->requestExpose();
        self->m_swapPending = false;
        return TRUE;
    }

    static void windowDestroyed(GtkWidget*, GtkGLDrawArea* self)
    {
        self->m_stateObservable.reportDestroyed();
        self->forgetWindow();
    }

    static void pressed(GtkGestureClick* gesture, int count, double x, double y, GtkGLDrawArea* self)
    {
        // Click to focus, the window's too: where no window manager gives
        // windows the focus, presenting it is what makes it active.
        if (self->m_window != nullptr && !gtk_window_is_active(self->m_window))
            gtk_window_present(self->m_window);
        if (self->m_area != nullptr)
            gtk_widget_grab_focus(self->m_area);
        self->deliver(GtkInputEvent::buttonEvent(GtkInputEvent::ButtonPress,
                                            gtk_gesture_single_get_current_button(GTK_GESTURE_SINGLE(gesture)), x, y,
                                            stateOf(gesture), count));
    }

    static void released(GtkGestureClick* gesture, int, double x, double y, GtkGLDrawArea* self)
    {
        self->deliver(GtkInputEvent::buttonEvent(GtkInputEvent::ButtonRelease,
                                            gtk_gesture_single_get_current_button(GTK_GESTURE_SINGLE(gesture)), x, y,
                                            stateOf(gesture)));
    }

    static void motion(GtkEventControllerMotion* controller, double x, double y, GtkGLDrawArea* self)
    {
        self->deliver(GtkInputEvent::motionEvent(x, y, stateOf(controller)));
    }

    static gboolean scroll(GtkEventControllerScroll* controller, double dx, double dy, GtkGLDrawArea* self)
    {
        self->deliver(GtkInputEvent::scrollEvent(dx, dy, self->m_pointerX, self->m_pointerY, stateOf(controller)));
        return TRUE;
    }

    static gboolean keyPressed(GtkEventControllerKey*, unsigned keyval, unsigned, GdkModifierType state,
                               GtkGLDrawArea* self)
    {
        self->deliver(GtkInputEvent::keyEvent(GtkInputEvent::KeyPress, keyval, state));
        return TRUE;
    }

    static void keyReleased(GtkEventControllerKey*, unsigned keyval, unsigned, GdkModifierType state,
                            GtkGLDrawArea* self)
    {
        self->deliver(GtkInputEvent::keyEvent(GtkInputEvent::KeyRelease, keyval, state));
    }

    static void focusIn(GtkEventControllerFocus*, GtkGLDrawArea* self) { self->deliver(GtkInputEvent::focusEvent(true)); }

    static void focusOut(GtkEventControllerFocus*, GtkGLDrawArea* self)
    {
        self->deliver(GtkInputEvent::focusEvent(false));
    }

    static gboolean exposeDue(gpointer self)
    {
        static_cast<GtkGLDrawArea*>(self)->m_exposeSource = 0;
        static_cast<GtkGLDrawArea*>(self)->reportExposed();
        return G_SOURCE_REMOVE;
    }

    static gboolean postedDue(gpointer self)
    {
        static_cast<GtkGLDrawArea*>(self)->m_postedSource = 0;
        static_cast<GtkGLDrawArea*>(self)->deliverPosted();
        return G_SOURCE_REMOVE;
    }
};

GtkGLDrawArea::GtkGLDrawArea(int width, int height, const std::string& title)
    : m_window(nullptr),
      m_area(nullptr),
      m_context(*this),
      m_stateObservable(*this),
      m_pageTracker(*this),
      m_exposeSource(0),
      m_postedSource(0),
      m_realized(false),
      m_exposed(false),
      m_frameReady(false),
      m_swapPending(false),
      m_pointerX(0.0),
      m_pointerY(0.0)
{
    const std::string problem = GtkLegacyGL::problem();
    if (!problem.empty())
        throw ExceptionBase("The drawing area \"" + title + "\" cannot be made: " + problem);
    m_window = GTK_WINDOW(gtk_window_new());
    gtk_window_set_title(m_window, title.c_str());
    gtk_window_set_default_size(m_window, width, height);
    // Held until the window goes: GTK disposes of the window's child before
    // it tells of the window's destruction.
    m_area = GTK_WIDGET(g_object_ref_sink(gtk_gl_area_new()));
    gtk_gl_area_set_auto_render(GTK_GL_AREA(m_area), FALSE);
    gtk_gl_area_set_has_depth_buffer(GTK_GL_AREA(m_area), FALSE);
    gtk_widget_set_focusable(m_area, TRUE);
    gtk_window_set_child(m_window, m_area);
    connectSignals();
    GtkInputState::instance().addArea(this);
}

GtkGLDrawArea::~GtkGLDrawArea()
{
    destroyNativeWindow();
    if (m_postedSource != 0)
        g_source_remove(m_postedSource);
    GtkInputState::instance().removeArea(this);
}

void GtkGLDrawArea::connectSignals()
{
    g_signal_connect(m_area, "realize", G_CALLBACK(Callbacks::realize), this);
    g_signal_connect(m_area, "unrealize", G_CALLBACK(Callbacks::unrealize), this);
    g_signal_connect(m_area, "map", G_CALLBACK(Callbacks::map), this);
    g_signal_connect(m_area, "resize", G_CALLBACK(Callbacks::resize), this);
    g_signal_connect(m_area, "render", G_CALLBACK(Callbacks::render), this);
    g_signal_connect(m_window, "destroy", G_CALLBACK(Callbacks::windowDestroyed), this);
    const auto add = [this](GtkEventController* controller, const char* signal, GCallback handler,
                            const char* signal2 = nullptr, GCallback handler2 = nullptr) {
        g_signal_connect(controller, signal, handler, this);
        if (signal2 != nullptr)
            g_signal_connect(controller, signal2, handler2, this);
        gtk_widget_add_controller(m_area, controller);
    };
    GtkGesture* const click = gtk_gesture_click_new();
    gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(click), 0);
    add(GTK_EVENT_CONTROLLER(click), "pressed", G_CALLBACK(Callbacks::pressed), "released",
        G_CALLBACK(Callbacks::released));
    add(gtk_event_controller_motion_new(), "motion", G_CALLBACK(Callbacks::motion));
    add(gtk_event_controller_scroll_new(GtkEventControllerScrollFlags(GTK_EVENT_CONTROLLER_SCROLL_BOTH_AXES |
                                                                      GTK_EVENT_CONTROLLER_SCROLL_DISCRETE)),
        "scroll", G_CALLBACK(Callbacks::scroll));
    add(gtk_event_controller_key_new(), "key-pressed", G_CALLBACK(Callbacks::keyPressed), "key-released",
        G_CALLBACK(Callbacks::keyReleased));
    add(gtk_event_controller_focus_new(), "enter", G_CALLBACK(Callbacks::focusIn), "leave",
        G_CALLBACK(Callbacks::focusOut));
}

bool GtkGLDrawArea::canRender()
{
    int width = 0, height = 0;
    getSize(width, height);
    return m_realized && m_exposed && width > 0 && height > 0;
}

void GtkGLDrawArea::getSize(int& width, int& height)
{
    width = height = 0;
    if (m_area == nullptr)
        return;
    const int scale = gtk_widget_get_scale_factor(m_area);
    width = gtk_widget_get_width(m_area) * scale;
    height = gtk_widget_get_height(m_area) * scale;
}

GLContextInterface& GtkGLDrawArea::getGLContext() { return m_context; }

bool GtkGLDrawArea::isValid() { return m_window != nullptr; }

void GtkGLDrawArea::addStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.addStateListener(listener);
}

void GtkGLDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.removeStateListener(listener);
}

void GtkGLDrawArea::setPageManager(PageManagerInterface& manager)
{
    m_pageTracker.setPageManager(manager);
    // The new page exists once the loop runs again; a realized area reports
    // full damage then, so that the page gets drawn (an expose reported
    // before would have found no page).
    if (m_realized)
        requestExpose();
}

GtkWindow* GtkGLDrawArea::window() const { return m_window; }

GtkWidget* GtkGLDrawArea::glArea() const { return m_area; }

void GtkGLDrawArea::destroyNativeWindow()
{
    if (m_window == nullptr)
        return;
    // Listeners hear it while the window still exists, so that they can
    // still unregister themselves.
    m_stateObservable.reportDestroyed();
    if (m_window == nullptr)
        return;
    if (m_realized)
        Callbacks::unrealize(GTK_GL_AREA(m_area), this);
    GtkWindow* const window = m_window;
    forgetWindow();
    gtk_window_destroy(window);
}

void GtkGLDrawArea::forgetWindow()
{
    if (m_window == nullptr)
        return;
    g_signal_handlers_disconnect_by_data(m_window, this);
    g_signal_handlers_disconnect_by_data(m_area, this);
    GListModel* const controllers = gtk_widget_observe_controllers(m_area);
    for (unsigned index = 0; index < g_list_model_get_n_items(controllers); ++index)
    {
        GObject* const controller = G_OBJECT(g_list_model_get_item(controllers, index));
        g_signal_handlers_disconnect_by_data(controller, this);
        g_object_unref(controller);
    }
    g_object_unref(controllers);
    g_object_unref(m_area);
    m_window = nullptr;
    m_area = nullptr;
    m_realized = m_exposed = m_frameReady = false;
    m_posted.clear();
    if (m_exposeSource != 0)
        g_source_remove(m_exposeSource);
    m_exposeSource = 0;
}

double GtkGLDrawArea::devicePixelRatio() const
{
    return m_area != nullptr ? gtk_widget_get_scale_factor(m_area) : 1.0;
}

bool GtkGLDrawArea::isExposed() const { return m_exposed; }

bool GtkGLDrawArea::framePending() const { return m_swapPending; }

int GtkGLDrawArea::pageCount() { return m_pageTracker.pageCount(); }

void GtkGLDrawArea::post(const GtkInputEvent& event)
{
    if (m_window == nullptr)
        return;
    m_posted.push_back(event);
    if (m_postedSource == 0)
        m_postedSource = g_idle_add_full(G_PRIORITY_DEFAULT, Callbacks::postedDue, this, nullptr);
}

void GtkGLDrawArea::deliverPosted()
{
    while (!m_posted.empty())
    {
        const GtkInputEvent event = m_posted.front();
        m_posted.pop_front();
        deliver(event);
    }
}

void GtkGLDrawArea::deliver(const GtkInputEvent& event)
{
    if (m_window == nullptr)
        return;
    if (event.kind == GtkInputEvent::ButtonPress || event.kind == GtkInputEvent::ButtonRelease ||
        event.kind == GtkInputEvent::Motion)
    {
        m_pointerX = event.x;
        m_pointerY = event.y;
    }
    if (event.kind == GtkInputEvent::KeyPress || event.kind == GtkInputEvent::KeyRelease)
    {
        if (isModifierKey(event.keyval))
            return;
    }
    GtkInputState::instance().arriving(event, *this);
    if (m_window == nullptr)
        return;
    switch (event.kind)
    {
    case GtkInputEvent::FocusIn: m_stateObservable.reportFocusGained(); break;
    case GtkInputEvent::FocusOut: break;
    case GtkInputEvent::Scroll:
    {
        intern::MouseWheelEvent wheel = wheelEventOf(event, devicePixelRatio());
        reportWheel(wheel);
        break;
    }
    case GtkInputEvent::KeyPress:
    case GtkInputEvent::KeyRelease: reportKey(event.kind == GtkInputEvent::KeyPress, hostKeyCode(event.keyval)); break;
    default:
    {
        intern::MouseEvent mouseEvent = mouseEventOf(this, event, devicePixelRatio());
        reportMouse(mouseActionOf(event), mouseEvent);
        break;
    }
    }
}

void GtkGLDrawArea::requestExpose()
{
    if (m_exposeSource == 0)
        m_exposeSource = g_idle_add_full(ExposePriority, Callbacks::exposeDue, this, nullptr);
}

void GtkGLDrawArea::reportExposed()
{
    if (!m_realized)
        return;
    m_exposed = true;
    GtkInputState::instance().wake();
    m_stateObservable.reportExposed(true);
}

GtkGLDrawArea::Context::Context(GtkGLDrawArea& area) : m_area(area) {}

void GtkGLDrawArea::Context::swapBuffers()
{
    if (!m_area.m_realized)
        return;
    int width = 0, height = 0;
    m_area.getSize(width, height);
    const hostcommon::GLFramebuffer& framebuffer = m_area.m_framebuffer->framebuffer();
    m_area.m_frameReady = framebuffer.width() == width && framebuffer.height() == height;
    m_area.m_framebuffer->swap();
    m_area.m_swapPending = true;
    gtk_gl_area_queue_render(GTK_GL_AREA(m_area.m_area));
}

bool GtkGLDrawArea::Context::makeCurrent()
{
    if (!m_area.m_realized)
        return false;
    int width = 0, height = 0;
    m_area.getSize(width, height);
    return m_area.m_framebuffer->makeCurrent(width, height);
}

bool GtkGLDrawArea::Context::releaseCurrent()
{
    if (m_area.m_realized)
        m_area.m_framebuffer->releaseCurrent();
    return true;
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
