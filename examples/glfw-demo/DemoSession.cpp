#include "DemoSession.h"

#include "BoundaryAccount.h"
#include "X11WindowGrab.h"

#include "integration/PageManagerInterface.h"

#include <GLFW/glfw3.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace integration = orvane::sdk::integration;
namespace glfwhost = orvane::sdk::glfwhost;
using glfwhost::GlfwWindowEvent;

DemoSession::DemoSession(glfwhost::GlfwEventLoop& loop, BoundaryAccount& account)
    : DemoSessionBase(account),
      m_loop(loop),
      m_idleScheduler(loop),
      m_misc(loop),
      m_drawAreaFactory(loop, WindowWidth, WindowHeight,
                        [this](glfwhost::GlfwGLDrawArea* drawArea, const std::vector<std::string>&) {
                            placeEngineWindow(drawArea);
                        }),
      m_manager(loop)
{
}

DemoSession::~DemoSession()
{
    stop();
    m_loop.cancelTasks(this);
}

bool DemoSession::start(const std::string& program, const std::string& homeDirectory)
{
    return startEngine(program, homeDirectory,
                       {&m_misc, &m_offscreen, &m_messageBox, &m_simpleText, &m_progress, &m_selectRegion,
                        &m_recentLayouts},
                       m_drawAreaFactory, &glfwhost::GlfwGLContext::currentContextProcAddress,
                       [this](std::function<void()> redraw) { later(std::move(redraw)); });
}

void DemoSession::closeWindows()
{
    m_hostWindow.reset();
    m_engineWindows.clear();
    m_loop.cancelTasks(this);
}

void DemoSession::openHostWindow()
{
    m_hostWindow.reset(new glfwhost::GlfwGLDrawArea(m_loop, WindowWidth, WindowHeight, "Host page", false));
    glfwSetWindowPos(m_hostWindow->window(), HostWindowX, WindowY);
    glfwShowWindow(m_hostWindow->window());
    followFocus(*m_hostWindow);
    m_account.host("opens a window and adds a page to it: addPage(drawing area)");
    m_manager.getPageManager().addPage(m_hostWindow.get());
}

void DemoSession::placeEngineWindow(glfwhost::GlfwGLDrawArea* drawArea)
{
    m_account.toHost("createGLDrawArea", "a window of its own for the engine's page");
    glfwSetWindowPos(drawArea->window(), EngineWindowX, WindowY);
    followFocus(*drawArea);
    m_engineWindows.emplace_back(drawArea);
}

void DemoSession::closeWindowsAskedToClose()
{
    const auto askedToClose = [](const std::unique_ptr<glfwhost::GlfwGLDrawArea>& window) {
        return window && window->window() != nullptr && glfwWindowShouldClose(window->window()) == GLFW_TRUE;
    };
    if (askedToClose(m_hostWindow))
    {
        deletePageOf(m_hostWindow.get());
        m_hostWindow.reset();
    }
    const auto closing = std::stable_partition(m_engineWindows.begin(), m_engineWindows.end(),
                                               [&askedToClose](const std::unique_ptr<glfwhost::GlfwGLDrawArea>& window) {
                                                   return !askedToClose(window);
                                               });
    for (auto window = closing; window != m_engineWindows.end(); ++window)
        deletePageOf(window->get());
    m_engineWindows.erase(closing, m_engineWindows.end());
}

bool DemoSession::hasWindows() { return m_hostWindow || !m_engineWindows.empty(); }

void DemoSession::later(std::function<void()> task) { m_loop.postTask(this, std::move(task)); }

void DemoSession::runOnce()
{
    m_loop.runOnce();
    closeWindowsAskedToClose();
}

integration::ManagerAbstract& DemoSession::manager() { return m_manager; }

double DemoSession::now() { return glfwGetTime(); }

int DemoSession::startTimer(int milliseconds, std::function<void()> action)
{
    return m_loop.startTimer(milliseconds, std::move(action));
}

void DemoSession::stopTimer(int timer) { m_loop.stopTimer(timer); }

glfwhost::GlfwGLDrawArea* DemoSession::drawArea(Window window)
{
    if (window == Window_Host)
        return m_hostWindow.get();
    return m_engineWindows.empty() ? nullptr : m_engineWindows.back().get();
}

void DemoSession::close(Window window) { glfwSetWindowShouldClose(drawArea(window)->window(), GLFW_TRUE); }

void DemoSession::resize(Window window, int width, int height)
{
    glfwSetWindowSize(drawArea(window)->window(), width, height);
}

double DemoSession::pixelRatio(Window window) { return drawArea(window)->devicePixelRatio(); }

void DemoSession::focus(Window window) { m_loop.post(GlfwWindowEvent::makeFocus(drawArea(window)->window(), true)); }

void DemoSession::mouseButton(Window window, bool press, double x, double y)
{
    m_loop.post(GlfwWindowEvent::makeMouseButton(drawArea(window)->window(), GLFW_MOUSE_BUTTON_LEFT,
                                                 press ? GLFW_PRESS : GLFW_RELEASE, 0, x, y));
}

void DemoSession::drag(Window window, double x, double y)
{
    m_loop.post(GlfwWindowEvent::makeCursorMoved(drawArea(window)->window(), x, y, 0));
}

void DemoSession::wheel(Window window, double x, double y)
{
    m_loop.post(GlfwWindowEvent::makeScroll(drawArea(window)->window(), 0.0, 1.0, x, y, 0));
}

void DemoSession::key(Window window, char character)
{
    // GLFW names a letter's key by its capital; the character follows the
    // press, as GLFW reports it.
    const bool escape = character == 27;
    const int glfwKey = escape ? GLFW_KEY_ESCAPE : std::toupper(static_cast<unsigned char>(character));
    GLFWwindow* const native = drawArea(window)->window();
    m_loop.post(GlfwWindowEvent::makeKey(native, glfwKey, 0, GLFW_PRESS, 0));
    if (!escape)
        m_loop.post(GlfwWindowEvent::makeCharacter(native, static_cast<unsigned char>(character)));
    m_loop.post(GlfwWindowEvent::makeKey(native, glfwKey, 0, GLFW_RELEASE, 0));
}

bool DemoSession::grab(Window window, int& width, int& height, std::vector<unsigned char>& rgb)
{
    glfwhost::GlfwGLDrawArea* const area = drawArea(window);
    if (area == nullptr)
        return false;
    area->getSize(width, height);
    return X11WindowGrab::grab(area->window(), width, height, rgb);
}

void DemoSession::waitForScreen() { usleep(ScreenWaitMicroseconds); }
