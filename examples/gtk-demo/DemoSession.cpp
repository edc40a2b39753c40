#include "DemoSession.h"

#include "AccountedStart.h"
#include "BoundaryAccount.h"
#include "X11Window.h"

#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <gtk/gtk.h>

#include <algorithm>

namespace integration = orvane::sdk::integration;
namespace gtkhost = orvane::sdk::gtkhost;
namespace sim = orvane::sim;

namespace {

const int WindowWidth = 480;
const int WindowHeight = 360;
const int HostWindowX = 40;
const int EngineWindowX = 560;
const int WindowY = 60;
// How long the engine works on each step of a long operation.
const int BusyStepMilliseconds = 20;

} // namespace

DemoSession::Manager::Manager() : m_monitor(*this) {}

integration::ApplicationEventMonitorInterface& DemoSession::Manager::getApplicationEventMonitor() { return m_monitor; }

gtkhost::GtkApplicationEventMonitor& DemoSession::Manager::monitor() { return m_monitor; }

DemoSession::DemoSession(BoundaryAccount& account)
    : m_account(account),
      m_drawAreaFactory(WindowWidth, WindowHeight,
                        [this](gtkhost::GtkGLDrawArea* drawArea, const std::vector<std::string>&) {
                            placeEngineWindow(drawArea);
                        }),
      m_pageAccount(account),
      m_inputAccount(account),
      m_repairer(new AccountedPlotRepairer(account)),
      m_host(nullptr),
      m_laterSource(0),
      m_running(false)
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
    m_account.host("makes the kit's services current (the miscellaneous queries before init) and its window "
                   "factory the page manager's");
    integration::services::ServiceRepositoryInterface& services = m_manager.getServiceRepository();
    for (integration::services::ServiceInterface* service : std::vector<integration::services::ServiceInterface*>{
             &m_misc, &m_offscreen, &m_messageBox, &m_simpleText})
        services.setService(service);
    m_manager.getPageManager().setGLDrawAreaFactory(m_drawAreaFactory);

    const StartReached reached = initAndStart(m_manager, m_account, program, homeDirectory);
    m_running = reached != StartReached::InitFailed;
    if (reached != StartReached::Started)
        return false;

    m_account.host("lets the engine draw with the current GDK context's OpenGL, pushes an interrupted-plot "
                   "repairer");
    sim::enableOpenGLDrawing(&gtkhost::GtkLegacyGL::procAddress);
    sim::setBusyStepMilliseconds(BusyStepMilliseconds);
    m_manager.getPageManager().pushPageRenderDecider(m_repairer);
    m_viewRedrawer.reset(new ViewChangeRedrawer(m_manager.getEventManager(), m_manager.getPageManager(),
                                                [this](std::function<void()> redraw) { later(std::move(redraw)); }));
    listen(true);
    return true;
}

void DemoSession::listen(bool on)
{
    integration::EventManagerInterface& events = m_manager.getEventManager();
    if (on)
    {
        m_manager.getPageManager().addListener(&m_pageAccount);
        events.addMouseListener(&m_inputAccount);
        events.addKeyboardListener(&m_inputAccount);
        m_manager.monitor().addKeyboardListener(&m_inputAccount);
        m_inputAccount.setApplicationWide(m_manager.monitor());
        return;
    }
    m_manager.monitor().removeKeyboardListener(&m_inputAccount);
    events.removeKeyboardListener(&m_inputAccount);
    events.removeMouseListener(&m_inputAccount);
    m_manager.getPageManager().removeListener(&m_pageAccount);
}

void DemoSession::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_account.host("closes its windows: the drawing areas go before the engine stops");
    m_windows.clear();
    m_host = nullptr;
    m_later.clear();
    listen(false);
    m_viewRedrawer.reset();
    m_account.host("stop(): the engine shuts down");
    m_manager.stop();
    m_account.flush();
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

gtkhost::GtkGLDrawArea& DemoSession::openHostWindow()
{
    m_host = new gtkhost::GtkGLDrawArea(WindowWidth, WindowHeight, "Host page");
    m_windows.emplace_back(m_host);
    show(*m_host, HostWindowX);
    m_account.host("opens a window and adds a page to it: addPage(drawing area)");
    m_manager.getPageManager().addPage(m_host);
    return *m_host;
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
            closing.first->later([closing] { closing.first->close(closing.second); });
            return TRUE;
        }),
        new Target(this, &drawArea), [](gpointer target, GClosure*) { delete static_cast<Target*>(target); },
        GConnectFlags(0));
    gtk_window_present(drawArea.window());
}

void DemoSession::followFocus(gtkhost::GtkGLDrawArea& drawArea)
{
    gtkhost::GtkGLDrawArea* const window = &drawArea;
    m_focusConnections.add(drawArea.connectDrawAreaFocusGained([this, window] {
        integration::PageInterface* page = pageShownIn(window);
        if (page != nullptr && page != m_manager.getPageManager().getCurrentPage())
        {
            m_account.host("makes the page of the focused window current: setCurrentPage");
            m_manager.getPageManager().setCurrentPage(*page);
        }
    }));
}

integration::PageInterface* DemoSession::pageShownIn(gtkhost::GtkGLDrawArea* window)
{
    for (integration::PageIterator pages = m_manager.getPageManager().getPageIterator(); pages.hasNext();)
    {
        integration::PageInterface& page = pages.next();
        if (page.getDrawArea() == window)
            return &page;
    }
    return nullptr;
}

void DemoSession::close(gtkhost::GtkGLDrawArea* window)
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(),
                                    [window](const std::unique_ptr<gtkhost::GtkGLDrawArea>& made) {
                                        return made.get() == window;
                                    });
    if (found == m_windows.end())
        return;
    if (integration::PageInterface* page = pageShownIn(window))
    {
        m_account.host("deletes the page of the window the user closes: deletePage");
        m_manager.getPageManager().deletePage(*page);
    }
    if (window == m_host)
        m_host = nullptr;
    m_windows.erase(found);
}

gtkhost::GtkGLDrawArea* DemoSession::hostWindow() { return m_host; }

gtkhost::GtkGLDrawArea* DemoSession::engineWindow()
{
    return m_windows.empty() || m_windows.back().get() == m_host ? nullptr : m_windows.back().get();
}

bool DemoSession::hasWindows() const { return !m_windows.empty(); }

integration::ManagerAbstract& DemoSession::manager() { return m_manager; }

const AccountedPlotRepairer& DemoSession::repairer() const { return *m_repairer; }
