#include "DemoSession.h"

#include "AccountedStart.h"
#include "BoundaryAccount.h"

#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <GLFW/glfw3.h>

#include <algorithm>

namespace integration = orvane::sdk::integration;
namespace glfwhost = orvane::sdk::glfwhost;
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

DemoSession::Manager::Manager(glfwhost::GlfwEventLoop& loop) : m_monitor(*this, loop) {}

integration::ApplicationEventMonitorInterface& DemoSession::Manager::getApplicationEventMonitor() { return m_monitor; }

glfwhost::GlfwApplicationEventMonitor& DemoSession::Manager::monitor() { return m_monitor; }

DemoSession::DemoSession(glfwhost::GlfwEventLoop& loop, BoundaryAccount& account)
    : m_loop(loop),
      m_account(account),
      m_idleScheduler(loop),
      m_misc(loop),
      m_drawAreaFactory(loop, WindowWidth, WindowHeight,
                        [this](glfwhost::GlfwGLDrawArea* drawArea, const std::vector<std::string>&) {
                            placeEngineWindow(drawArea);
                        }),
      m_manager(loop),
      m_pageAccount(account),
      m_inputAccount(account),
      m_repairer(new AccountedPlotRepairer(account)),
      m_running(false)
{
}

DemoSession::~DemoSession() { stop(); }

bool DemoSession::start(const std::string& program, const std::string& homeDirectory)
{
    m_account.host("makes the kit's services current (the miscellaneous queries before init) and its window "
                   "factory the page manager's");
    integration::services::ServiceRepositoryInterface& services = m_manager.getServiceRepository();
    for (integration::services::ServiceInterface* service :
         std::vector<integration::services::ServiceInterface*>{&m_misc, &m_offscreen, &m_messageBox, &m_simpleText,
                                                               &m_progress, &m_selectRegion, &m_recentLayouts})
        services.setService(service);
    m_manager.getPageManager().setGLDrawAreaFactory(m_drawAreaFactory);

    const StartReached reached = initAndStart(m_manager, m_account, program, homeDirectory);
    m_running = reached != StartReached::InitFailed;
    if (reached != StartReached::Started)
        return false;

    m_account.host("lets the engine draw with the current GLFW context's OpenGL, pushes an interrupted-plot "
                   "repairer");
    sim::enableOpenGLDrawing(&glfwhost::GlfwGLContext::currentContextProcAddress);
    sim::setBusyStepMilliseconds(BusyStepMilliseconds);
    m_manager.getPageManager().pushPageRenderDecider(m_repairer);
    m_viewRedrawer.reset(new ViewChangeRedrawer(m_manager.getEventManager(), m_manager.getPageManager(),
                                                [this](std::function<void()> redraw) {
                                                    m_loop.postTask(this, std::move(redraw));
                                                }));
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
    m_hostWindow.reset();
    m_engineWindows.clear();
    m_loop.cancelTasks(this);
    listen(false);
    m_viewRedrawer.reset();
    m_account.host("stop(): the engine shuts down");
    m_manager.stop();
    m_account.flush();
}

glfwhost::GlfwGLDrawArea& DemoSession::openHostWindow()
{
    m_hostWindow.reset(new glfwhost::GlfwGLDrawArea(m_loop, WindowWidth, WindowHeight, "Host page", false));
    glfwSetWindowPos(m_hostWindow->window(), HostWindowX, WindowY);
    glfwShowWindow(m_hostWindow->window());
    followFocus(*m_hostWindow);
    m_account.host("opens a window and adds a page to it: addPage(drawing area)");
    m_manager.getPageManager().addPage(m_hostWindow.get());
    return *m_hostWindow;
}

void DemoSession::placeEngineWindow(glfwhost::GlfwGLDrawArea* drawArea)
{
    m_account.toHost("createGLDrawArea", "a window of its own for the engine's page");
    glfwSetWindowPos(drawArea->window(), EngineWindowX, WindowY);
    followFocus(*drawArea);
    m_engineWindows.emplace_back(drawArea);
}

void DemoSession::followFocus(glfwhost::GlfwGLDrawArea& drawArea)
{
    glfwhost::GlfwGLDrawArea* const window = &drawArea;
    m_focusConnections.add(drawArea.connectDrawAreaFocusGained([this, window] {
        integration::PageInterface* page = pageShownIn(window);
        if (page != nullptr && page != m_manager.getPageManager().getCurrentPage())
        {
            m_account.host("makes the page of the focused window current: setCurrentPage");
            m_manager.getPageManager().setCurrentPage(*page);
        }
    }));
}

integration::PageInterface* DemoSession::pageShownIn(glfwhost::GlfwGLDrawArea* window)
{
    for (integration::PageIterator pages = m_manager.getPageManager().getPageIterator(); pages.hasNext();)
    {
        integration::PageInterface& page = pages.next();
        if (page.getDrawArea() == window)
            return &page;
    }
    return nullptr;
}

void DemoSession::close(glfwhost::GlfwGLDrawArea* window)
{
    if (integration::PageInterface* page = pageShownIn(window))
    {
        m_account.host("deletes the page of the window the user closes: deletePage");
        m_manager.getPageManager().deletePage(*page);
    }
}

glfwhost::GlfwGLDrawArea* DemoSession::hostWindow() { return m_hostWindow.get(); }

glfwhost::GlfwGLDrawArea* DemoSession::engineWindow()
{
    return m_engineWindows.empty() ? nullptr : m_engineWindows.back().get();
}

bool DemoSession::closeWindowsAskedToClose()
{
    const auto askedToClose = [](const std::unique_ptr<glfwhost::GlfwGLDrawArea>& window) {
        return window && window->window() != nullptr && glfwWindowShouldClose(window->window()) == GLFW_TRUE;
    };
    if (askedToClose(m_hostWindow))
    {
        close(m_hostWindow.get());
        m_hostWindow.reset();
    }
    const auto closing = std::stable_partition(m_engineWindows.begin(), m_engineWindows.end(),
                                               [&askedToClose](const std::unique_ptr<glfwhost::GlfwGLDrawArea>& window) {
                                                   return !askedToClose(window);
                                               });
    for (auto window = closing; window != m_engineWindows.end(); ++window)
        close(window->get());
    m_engineWindows.erase(closing, m_engineWindows.end());
    return m_hostWindow || !m_engineWindows.empty();
}

integration::ManagerAbstract& DemoSession::manager() { return m_manager; }

const AccountedPlotRepairer& DemoSession::repairer() const { return *m_repairer; }
