#include "DemoScript.h"

#include "BoundaryAccount.h"
#include "DemoSession.h"
#include "PngWriter.h"
#include "X11WindowGrab.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <GLFW/glfw3.h>

#include <filesystem>
#include <iostream>

namespace sim = orvane::sim;
using orvane::sdk::glfwhost::GlfwGLDrawArea;
using orvane::sdk::glfwhost::GlfwWindowEvent;

namespace {

const int PollMilliseconds = 10;
// A step gives up waiting after this long; its action runs anyway and its
// checks tell.
const double StepWaitSeconds = 5.0;
const int LongOperationSteps = 100;
// When the user acts during a long operation.
const int InterruptAfterMilliseconds = 200;
const int FrameBusySteps = 3;

bool isColour(const unsigned char* pixel, sim::PlotColour colour)
{
    return pixel[0] == colour.red && pixel[1] == colour.green && pixel[2] == colour.blue;
}

// The picture shows `page`'s plot: its background over a good part of it
// and its curve.
bool picturesPlot(const std::vector<unsigned char>& rgb, UniqueID_t page)
{
    std::size_t background = 0, curve = 0;
    for (std::size_t pixel = 0; pixel + 2 < rgb.size(); pixel += 3)
    {
        background += isColour(&rgb[pixel], sim::backgroundColour(page));
        curve += isColour(&rgb[pixel], sim::curveColour(page));
    }
    return background > rgb.size() / 3 / 4 && curve > 100;
}

} // namespace

DemoScript::DemoScript(orvane::sdk::glfwhost::GlfwEventLoop& loop, DemoSession& session, BoundaryAccount& account,
                       const std::string& outputDirectory)
    : m_loop(loop),
      m_session(session),
      m_account(account),
      m_outputDirectory(outputDirectory),
      m_pollTimer(0),
      m_deadline(0.0),
      m_stepDeadline(0.0),
      m_next(0),
      m_actionRunning(false),
      m_finished(false),
      m_checks(0),
      m_hostPage(0),
      m_enginePage(0),
      m_framesBefore(0)
{
    addSteps();
}

DemoScript::~DemoScript()
{
    if (m_pollTimer != 0)
        m_loop.stopTimer(m_pollTimer);
}

void DemoScript::start(double timeLimitSeconds)
{
    std::error_code ignored;
    std::filesystem::create_directories(m_outputDirectory, ignored);
    m_deadline = glfwGetTime() + timeLimitSeconds;
    m_stepDeadline = glfwGetTime() + StepWaitSeconds;
    m_pollTimer = m_loop.startTimer(PollMilliseconds, [this] { poll(); });
}

bool DemoScript::finished() const { return m_finished; }

bool DemoScript::passed() const { return m_failures.empty(); }

void DemoScript::then(const std::string& waitingFor, Condition ready, Action action)
{
    m_steps.push_back(Step{waitingFor, std::move(ready), std::move(action)});
}

void DemoScript::addSteps()
{
    then("", [] { return true; }, [this] {
        m_account.road("Two windows, two pages");
        m_account.user("starts the demo: the host opens its window with a page");
        m_session.openHostWindow();
        m_hostPage = newestPage();
    });
    then("the host's page on the screen", [this] { return framesOf(m_hostPage) > 0; }, [this] {
        check(showsPlot(m_session.hostWindow(), m_hostPage, "01-host-page.png"),
              "the host's window shows its page's plot");
        m_account.engine("asks for a page of its own (its page-create callback)");
        check(sim::requestPage({"Engine page"}), "the engine's page request gets a page with a window");
        m_enginePage = newestPage();
    });
    then("the engine's page on the screen", [this] { return m_enginePage != 0 && framesOf(m_enginePage) > 0; },
         [this] {
             check(showsPlot(m_session.engineWindow(), m_enginePage, "02-engine-page.png"),
                   "the engine's window shows its page's plot");
             check(sim::currentPageId() == m_enginePage, "the engine's new page is current");
             m_account.road("Focus");
             m_account.user("clicks into the host's window: the window system gives it the focus");
             m_loop.post(GlfwWindowEvent::makeFocus(m_session.hostWindow()->window(), true));
         });
    then("the host's page current", [this] { return sim::currentPageId() == m_hostPage; }, [this] {
        check(sim::currentPageId() == m_hostPage, "focus on the host's window makes its page current");
    });
    addInputSteps();
    addBusySteps();
    then("", [] { return true; }, [this] {
        m_account.road("Export");
        m_account.user("exports the current page");
        const sim::ExportedImage image = sim::exportImage(320, 240, ExportRegion_CurrentFrame);
        check(image.ok && picturesPlot(image.rgb, m_hostPage) &&
                  writePicture("export.png", image.width, image.height, image.rgb),
              "the export (an offscreen image) shows the plot");
        m_account.road("Close");
        m_account.user("closes the engine page's window");
        glfwSetWindowShouldClose(m_session.engineWindow()->window(), GLFW_TRUE);
    });
    then("the engine's page gone", [this] { return sim::findPage(m_enginePage) == nullptr; }, [this] {
        check(sim::findPage(m_enginePage) == nullptr && sim::pages().size() == 1,
              "closing a window deletes its page, in the library and in the engine");
        finish();
    });
}

void DemoScript::addInputSteps()
{
    then("", [] { return true; }, [this] {
        m_account.road("Drag, wheel and keys in the plot");
        m_account.user("drags in the host's plot");
        m_framesBefore = framesOf(m_hostPage);
        drag(*m_session.hostWindow(), 200, 180, 260, 220);
    });
    then("the plot moved and redrawn", [this] {
        const sim::PageState* page = sim::findPage(m_hostPage);
        return page != nullptr && page->view.panX != 0.0 && framesOf(m_hostPage) > m_framesBefore;
    }, [this] {
        check(sim::findPage(m_hostPage)->view.panX != 0.0, "the drag reached the engine and moved the plot");
        check(showsPlot(m_session.hostWindow(), m_hostPage, "03-dragged.png"), "the moved plot is on the screen");
        m_account.user("turns the wheel away from them, then types 'a'");
        m_loop.post(GlfwWindowEvent::makeScroll(m_session.hostWindow()->window(), 0.0, 1.0, 240, 180, 0));
        pressKey(*m_session.hostWindow(), GLFW_KEY_A, 'a');
    });
    then("the zoom and the key in the engine", [this] {
        bool typed = false;
        for (const sim::WorkAreaEvent& event : sim::workAreaEvents())
            typed = typed || event.buttonOrKey == 'a';
        return sim::findPage(m_hostPage)->view.zoom > 1.0 && typed;
    }, [this] {
        bool typed = false;
        for (const sim::WorkAreaEvent& event : sim::workAreaEvents())
            typed = typed || event.buttonOrKey == 'a';
        check(sim::findPage(m_hostPage)->view.zoom > 1.0, "the wheel reached the engine and zoomed in");
        check(typed, "the key 'a' reached the engine's work area");
    });
}

void DemoScript::addBusySteps()
{
    then("", [] { return true; }, [this] {
        m_account.road("Long operations");
        check(interruptedOperation("presses a key", [this] { pressKey(*m_session.hostWindow(), GLFW_KEY_K, 'k'); }),
              "a key press interrupts a long operation");
        check(interruptedOperation("clicks into the plot", [this] { click(*m_session.hostWindow(), 100, 100); }),
              "a click interrupts a long operation");
    });
    then("", [] { return true; }, [this] {
        m_account.road("An interrupted frame");
        m_account.user("presses a key while the engine draws the host's page");
        m_framesBefore = framesOf(m_hostPage);
        sim::setFrameBusySteps(FrameBusySteps);
        pressKey(*m_session.hostWindow(), GLFW_KEY_K, 'k');
        m_session.manager().getPageManager().getCurrentPage()->redraw();
        sim::setFrameBusySteps(0);
        check(m_session.repairer().framesKeptOff() == 1, "the interrupted frame is kept off the screen");
    });
    then("the frame redrawn", [this] { return framesOf(m_hostPage) > m_framesBefore + 1; }, [this] {
        check(framesOf(m_hostPage) > m_framesBefore + 1, "the interrupted frame is drawn again at idle time");
        check(showsPlot(m_session.hostWindow(), m_hostPage, "04-redrawn.png"), "the redrawn frame is on the screen");
    });
}

bool DemoScript::interruptedOperation(const std::string& how, const Action& interrupt)
{
    m_account.user("starts a long operation, and " + how + " while it runs");
    // The loop's timers run in the engine's busy passes too.
    bool acted = false;
    const int actor = m_loop.startTimer(InterruptAfterMilliseconds, [&acted, &interrupt] {
        if (!acted)
            interrupt();
        acted = true;
    });
    const bool completed = sim::runBusyOperation(LongOperationSteps);
    m_loop.stopTimer(actor);
    m_account.engine(completed ? "completes the long operation" : "stops the long operation early");
    return !completed;
}

void DemoScript::poll()
{
    if (m_actionRunning || m_finished)
        return;
    if (glfwGetTime() > m_deadline)
    {
        check(false, "the session ended in time (it stopped waiting for " + m_steps[m_next].waitingFor + ")");
        finish();
        return;
    }
    if (m_next >= m_steps.size())
        return;
    const Step& step = m_steps[m_next];
    if (!step.ready() && glfwGetTime() < m_stepDeadline)
        return;
    ++m_next;
    m_actionRunning = true;
    step.action();
    m_actionRunning = false;
    m_stepDeadline = glfwGetTime() + StepWaitSeconds;
}

void DemoScript::finish()
{
    m_finished = true;
}

void DemoScript::checkShutdown()
{
    check(sim::isShutdownFinished() && sim::pages().empty(), "the engine shut down with no page left");
    std::cout << "\nScripted session: " << m_checks - int(m_failures.size()) << " of " << m_checks
              << " checks passed; pictures in " << m_outputDirectory << "\n";
    for (const std::string& failure : m_failures)
        std::cout << "  FAILED: " << failure << "\n";
}

void DemoScript::check(bool ok, const std::string& what)
{
    ++m_checks;
    if (!ok)
        m_failures.push_back(what);
    m_account.host(std::string(ok ? "checks " : "CHECK FAILED: ") + what);
}

bool DemoScript::showsPlot(GlfwGLDrawArea* window, UniqueID_t page, const std::string& fileName)
{
    if (window == nullptr)
        return false;
    int width = 0, height = 0;
    window->getSize(width, height);
    std::vector<unsigned char> rgb;
    if (!X11WindowGrab::grab(window->window(), width, height, rgb))
        return false;
    return writePicture(fileName, width, height, rgb) &&
           picturesPlot(rgb, page);
}

bool DemoScript::writePicture(const std::string& fileName, int width, int height,
                              const std::vector<unsigned char>& rgb)
{
    PngWriter writer;
    const bool written =
        writer.write(m_outputDirectory + "/" + fileName, width, height, rgb, PngWriter::Layout_RGB);
    if (!written)
        std::cerr << "glfw-demo: " << writer.error() << "\n";
    return written;
}

void DemoScript::click(GlfwGLDrawArea& window, double x, double y)
{
    for (const int action : {GLFW_PRESS, GLFW_RELEASE})
        m_loop.post(GlfwWindowEvent::makeMouseButton(window.window(), GLFW_MOUSE_BUTTON_LEFT, action, 0, x, y));
}

void DemoScript::drag(GlfwGLDrawArea& window, double fromX, double fromY, double toX, double toY)
{
    const int moves = 6;
    m_loop.post(GlfwWindowEvent::makeMouseButton(window.window(), GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS, 0, fromX, fromY));
    for (int move = 1; move <= moves; ++move)
        m_loop.post(GlfwWindowEvent::makeCursorMoved(window.window(), fromX + (toX - fromX) * move / moves,
                                                     fromY + (toY - fromY) * move / moves, 0));
    m_loop.post(GlfwWindowEvent::makeMouseButton(window.window(), GLFW_MOUSE_BUTTON_LEFT, GLFW_RELEASE, 0, toX, toY));
}

void DemoScript::pressKey(GlfwGLDrawArea& window, int glfwKey, char character)
{
    m_loop.post(GlfwWindowEvent::makeKey(window.window(), glfwKey, 0, GLFW_PRESS, 0));
    m_loop.post(GlfwWindowEvent::makeCharacter(window.window(), static_cast<unsigned char>(character)));
    m_loop.post(GlfwWindowEvent::makeKey(window.window(), glfwKey, 0, GLFW_RELEASE, 0));
}

UniqueID_t DemoScript::newestPage()
{
    const std::vector<sim::PageState> pages = sim::pages();
    return pages.empty() ? 0 : pages.back().id;
}

int DemoScript::framesOf(UniqueID_t page)
{
    const sim::PageState* state = sim::findPage(page);
    return state != nullptr ? state->framesDrawn : 0;
}
