#include "DemoSession.h"

#include "BoundaryAccount.h"
#include "X11Window.h"

#include "integration/PageManagerInterface.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include <gtk/gtk.h>

#include <algorithm>

namespace integration = orvane::sdk::integration;
namespace gtkhost = orvane::sdk::gtkhost;
using gtkhost::GtkInputEvent;

DemoSession::DemoSession(BoundaryAccount& account)
    : DemoSessionBase(account),
      m_drawAreaFactory(WindowWidth, WindowHeight,
                        [this](gtkhost::GtkGLDrawArea* drawArea, const std::vector<std::string>&) {
                            placeEngineWindow(drawArea);
                        }),
      m_host(nullptr),
      m_laterSource(0)
{
}

DemoSession::~DemoSession()
{
    stop();
    if (m_laterSource != 0)
        g_source_remove(m_laterSource);
}

bool DemoSession::start(const std::string& program, const std::string& homeDirectory)
{
    return startEngine(program, homeDirectory, {&m_misc, &m_offscreen, &m_messageBox, &m_simpleText},
                       m_drawAreaFactory, &gtkhost::GtkLegacyGL::procAddress,
                       [this](std::function<void()> redraw) { later(std::move(redraw)); });
}

void DemoSession::closeWindows()
{
    m_windows.clear();
    m_host = nullptr;
    m_later.clear();
}

void DemoSession::later(std::function<void()> task)
{
    m_later.push_back(std::move(task));
    if (m_laterSource == 0)
        m_laterSource = g_idle_add(
            [](gpointer self) -> gboolean {
                static_cast<DemoSession*>(self)->runLater();
                return G_SOURCE_REMOVE;
            },
            this);
}

void DemoSession::runLater()
{
    m_laterSource = 0;
    std::vector<std::function<void()>> tasks;
    tasks.swap(m_later);
    for (const std::function<void()>& task : tasks)
        task();
}

void DemoSession::runOnce() { g_main_context_iteration(nullptr, TRUE); }

void DemoSession::openHostWindow()
{
    m_host = new gtkhost::GtkGLDrawArea(WindowWidth, WindowHeight, "Host page");
    m_windows.emplace_back(m_host);
    show(*m_host, HostWindowX);
    m_account.host("opens a window and adds a page to it: addPage(drawing area)");
    m_manager.getPageManager().addPage(m_host);
}

void DemoSession::placeEngineWindow(gtkhost::GtkGLDrawArea* drawArea)
{
    m_account.toHost("createGLDrawArea", "a window of its own for the engine's page");
    m_windows.emplace_back(drawArea);
    show(*drawArea, EngineWindowX);
}

void DemoSession::show(gtkhost::GtkGLDrawArea& drawArea, int x)
{
    X11Window::place(drawArea.window(), x, WindowY);
    followFocus(drawArea);
    typedef std::pair<DemoSession*, gtkhost::GtkGLDrawArea*> Target;
    g_signal_connect_data(
        drawArea.window(), "close-request", G_CALLBACK(+[](GtkWindow*, Target* target) -> gboolean {
            const Target closing = *target;
            closing.first->later([closing] { closing.first->closeWindow(closing.second); });
            return TRUE;
        }),
        new Target(this, &drawArea), [](gpointer target, GClosure*) { delete static_cast<Target*>(target); },
        GConnectFlags(0));
    gtk_window_present(drawArea.window());
}

void DemoSession::closeWindow(gtkhost::GtkGLDrawArea* window)
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(),
                                    [window](const std::unique_ptr<gtkhost::GtkGLDrawArea>& made) {
                                        return made.get() == window;
                                    });
    if (found == m_windows.end())
        return;
    deletePageOf(window);
    if (window == m_host)
        m_host = nullptr;
    m_windows.erase(found);
}

bool DemoSession::hasWindows() { return !m_windows.empty(); }

integration::ManagerAbstract& DemoSession::manager() { return m_manager; }

double DemoSession::now() { return double(g_get_monotonic_time()) / G_USEC_PER_SEC; }

int DemoSession::startTimer(int milliseconds, std::function<void()> action)
{
    typedef std::function<void()> Action;
    return int(g_timeout_add_full(G_PRIORITY_DEFAULT, unsigned(milliseconds),
                                  [](gpointer action) -> gboolean {
                                      (*static_cast<Action*>(action))();
                                      return G_SOURCE_CONTINUE;
                                  },
                                  new Action(std::move(action)), [](gpointer action) { delete static_cast<Action*>(action); }));
}

void DemoSession::stopTimer(int timer) { g_source_remove(unsigned(timer)); }

gtkhost::GtkGLDrawArea* DemoSession::drawArea(Window window)
{
    if (window == Window_Host)
        return m_host;
    return m_windows.empty() || m_windows.back().get() == m_host ? nullptr : m_windows.back().get();
}

void DemoSession::close(Window window) { gtk_window_close(drawArea(window)->window()); }

void DemoSession::resize(Window window, int width, int height)
{
    gtk_window_set_default_size(drawArea(window)->window(), width, height);
}

double DemoSession::pixelRatio(Window window) { return drawArea(window)->devicePixelRatio(); }

void DemoSession::post(Window window, const GtkInputEvent& event)
{
    if (gtkhost::GtkGLDrawArea* const area = drawArea(window))
        area->post(event);
}

void DemoSession::focus(Window window) { post(window, GtkInputEvent::focusEvent(true)); }

void DemoSession::mouseButton(Window window, bool press, double x, double y)
{
    post(window, GtkInputEvent::buttonEvent(press ? GtkInputEvent::ButtonPress : GtkInputEvent::ButtonRelease,
                                            GDK_BUTTON_PRIMARY, x, y, 0));
}

void DemoSession::drag(Window window, double x, double y)
{
    post(window, GtkInputEvent::motionEvent(x, y, GDK_BUTTON1_MASK));
}

void DemoSession::wheel(Window window, double x, double y)
{
    // GTK counts scroll steps towards the user.
    post(window, GtkInputEvent::scrollEvent(0.0, -1.0, x, y, 0));
}

void DemoSession::key(Window window, char character)
{
    const unsigned keyval = character == 27 ? GDK_KEY_Escape : gdk_unicode_to_keyval(unsigned(character));
    post(window, GtkInputEvent::keyEvent(GtkInputEvent::KeyPress, keyval, 0));
    post(window, GtkInputEvent::keyEvent(GtkInputEvent::KeyRelease, keyval, 0));
}

bool DemoSession::framePainted(Window window) { return drawArea(window) != nullptr && !drawArea(window)->framePending(); }

bool DemoSession::grab(Window window, int& width, int& height, std::vector<unsigned char>& rgb)
{
    return drawArea(window) != nullptr && X11Window::grab(*drawArea(window), width, height, rgb);
}

void DemoSession::waitForScreen()
{
    g_usleep(ScreenWaitMicroseconds);
    while (g_main_context_iteration(nullptr, FALSE))
    {
    }
}
