#include "DemoScript.h"

#include "AccountedPlotRepairer.h"
#include "BoundaryAccount.h"
#include "PngWriter.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <filesystem>
#include <iostream>

namespace sim = orvane::sim;

namespace {

const int PollMilliseconds = 10;
// A step gives up waiting after this long; its action runs anyway and its
// checks tell.
const double StepWaitSeconds = 5.0;
const int LongOperationSteps = 100;
// When the user acts during a long operation.
const int InterruptAfterMilliseconds = 200;
const int FrameBusySteps = 3;
// The host's window after the user enlarged it, logical pixels.
const int ResizedWidth = 560;
const int ResizedHeight = 420;
// A frame reaches the screen a little after it was drawn (a toolkit that
// owns presentation paints it at its next tick): tries of reading it.
const int ScreenTries = 50;
const char Escape = 27;

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

bool typedA()
{
    for (const sim::WorkAreaEvent& event : sim::workAreaEvents())
        if (event.buttonOrKey == 'a')
            return true;
    return false;
}

} // namespace

DemoScript::DemoScript(DemoToolkit& toolkit, BoundaryAccount& account, const std::string& outputDirectory)
    : m_toolkit(toolkit),
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
        m_toolkit.stopTimer(m_pollTimer);
}

void DemoScript::start(double timeLimitSeconds)
{
    std::error_code ignored;
    std::filesystem::create_directories(m_outputDirectory, ignored);
    m_deadline = m_toolkit.now() + timeLimitSeconds;
    m_stepDeadline = m_toolkit.now() + StepWaitSeconds;
    m_pollTimer = m_toolkit.startTimer(PollMilliseconds, [this] { poll(); });
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
        m_toolkit.openHostWindow();
        m_hostPage = newestPage();
    });
    then("the host's page on the screen", [this] { return drawnAndShown(DemoToolkit::Window_Host, m_hostPage); },
         [this] {
             check(showsPlot(DemoToolkit::Window_Host, m_hostPage, "01-host-page.png"),
                   "the host's window shows its page's plot");
             m_account.engine("asks for a page of its own (its page-create callback)");
             check(sim::requestPage({"Engine page"}), "the engine's page request gets a page with a window");
             m_enginePage = newestPage();
         });
    then("the engine's page on the screen",
         [this] { return m_enginePage != 0 && drawnAndShown(DemoToolkit::Window_Engine, m_enginePage); }, [this] {
             check(showsPlot(DemoToolkit::Window_Engine, m_enginePage, "02-engine-page.png"),
                   "the engine's window shows its page's plot");
             check(sim::currentPageId() == m_enginePage, "the engine's new page is current");
             m_account.road("Focus");
             m_account.user("clicks into the host's window: it takes the focus");
             click(DemoToolkit::Window_Host, 20, 20);
             m_toolkit.focus(DemoToolkit::Window_Host);
         });
    then("the host's page current", [this] { return sim::currentPageId() == m_hostPage; }, [this] {
        check(sim::currentPageId() == m_hostPage, "focus on the host's window makes its page current");
        m_account.road("Resize");
        m_account.user("enlarges the host's window");
        m_framesBefore = framesOf(m_hostPage);
        m_toolkit.resize(DemoToolkit::Window_Host, ResizedWidth, ResizedHeight);
    });
    then("the enlarged plot on the screen", [this] {
        int width = 0, height = 0;
        m_toolkit.drawArea(DemoToolkit::Window_Host)->getSize(width, height);
        return width > ResizedWidth - 1 && drawnAndShown(DemoToolkit::Window_Host, m_hostPage, m_framesBefore);
    }, [this] {
        int width = 0, height = 0;
        m_toolkit.drawArea(DemoToolkit::Window_Host)->getSize(width, height);
        const double ratio = m_toolkit.pixelRatio(DemoToolkit::Window_Host);
        check(width == int(ResizedWidth * ratio) && height == int(ResizedHeight * ratio),
              "the drawing area has the new size, in device pixels");
        check(showsPlot(DemoToolkit::Window_Host, m_hostPage, "03-resized.png"),
              "the plot is drawn again at the new size");
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
        m_toolkit.close(DemoToolkit::Window_Engine);
    });
    then("the engine's page gone", [this] { return sim::findPage(m_enginePage) == nullptr; }, [this] {
        check(sim::findPage(m_enginePage) == nullptr && sim::pages().size() == 1,
              "closing a window deletes its page, in the library and in the engine");
        m_finished = true;
    });
}

void DemoScript::addInputSteps()
{
    then("", [] { return true; }, [this] {
        m_account.road("Drag, wheel and keys in the plot");
        m_account.user("drags in the host's plot");
        m_framesBefore = framesOf(m_hostPage);
        drag(DemoToolkit::Window_Host, 200, 180, 260, 220);
    });
    then("the plot moved and redrawn", [this] {
        const sim::PageState* page = sim::findPage(m_hostPage);
        return page != nullptr && page->view.panX != 0.0 &&
               drawnAndShown(DemoToolkit::Window_Host, m_hostPage, m_framesBefore);
    }, [this] {
        check(sim::findPage(m_hostPage)->view.panX != 0.0, "the drag reached the engine and moved the plot");
        check(showsPlot(DemoToolkit::Window_Host, m_hostPage, "04-dragged.png"), "the moved plot is on the screen");
        m_account.user("turns the wheel away from them, then types 'a'");
        m_toolkit.wheel(DemoToolkit::Window_Host, 240, 180);
        m_toolkit.key(DemoToolkit::Window_Host, 'a');
    });
    then("the zoom and the key in the engine", [this] { return sim::findPage(m_hostPage)->view.zoom > 1.0 && typedA(); },
         [this] {
             check(sim::findPage(m_hostPage)->view.zoom > 1.0, "the wheel reached the engine and zoomed in");
             check(typedA(), "the key 'a' reached the engine's work area");
         });
}

void DemoScript::addBusySteps()
{
    then("", [] { return true; }, [this] {
        m_account.road("Long operations");
        check(interruptedOperation("presses Escape", [this] { m_toolkit.key(DemoToolkit::Window_Host, Escape); }),
              "Escape stops a long operation");
        check(interruptedOperation("clicks into the plot", [this] { click(DemoToolkit::Window_Host, 100, 100); }),
              "a click interrupts a long operation");
    });
    then("", [] { return true; }, [this] {
        m_account.road("An interrupted frame");
        m_account.user("presses a key while the engine draws the host's page");
        m_framesBefore = framesOf(m_hostPage);
        sim::setFrameBusySteps(FrameBusySteps);
        m_toolkit.key(DemoToolkit::Window_Host, 'k');
        m_toolkit.manager().getPageManager().getCurrentPage()->redraw();
        sim::setFrameBusySteps(0);
        check(m_toolkit.repairer().framesKeptOff() == 1, "the interrupted frame is kept off the screen");
    });
    then("the frame redrawn",
         [this] { return drawnAndShown(DemoToolkit::Window_Host, m_hostPage, m_framesBefore + 1); }, [this] {
             check(framesOf(m_hostPage) > m_framesBefore + 1, "the interrupted frame is drawn again at idle time");
             check(showsPlot(DemoToolkit::Window_Host, m_hostPage, "05-redrawn.png"),
                   "the redrawn frame is on the screen");
         });
}

bool DemoScript::interruptedOperation(const std::string& how, const Action& interrupt)
{
    m_account.user("starts a long operation, and " + how + " while it runs");
    // The loop's timers run in the engine's busy passes too.
    bool acted = false;
    const int actor = m_toolkit.startTimer(InterruptAfterMilliseconds, [&acted, &interrupt] {
        if (!acted)
            interrupt();
        acted = true;
    });
    const bool completed = sim::runBusyOperation(LongOperationSteps);
    m_toolkit.stopTimer(actor);
    m_account.engine(completed ? "completes the long operation" : "stops the long operation early");
    return !completed;
}

void DemoScript::poll()
{
    if (m_actionRunning || m_finished)
        return;
    if (m_toolkit.now() > m_deadline)
    {
        check(false, "the session ended in time (it stopped waiting for " + m_steps[m_next].waitingFor + ")");
        m_finished = true;
        return;
    }
    if (m_next >= m_steps.size())
        return;
    const Step& step = m_steps[m_next];
    if (!step.ready() && m_toolkit.now() < m_stepDeadline)
        return;
    ++m_next;
    m_actionRunning = true;
    step.action();
    m_actionRunning = false;
    m_stepDeadline = m_toolkit.now() + StepWaitSeconds;
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

bool DemoScript::drawnAndShown(Window window, UniqueID_t page, int framesBefore)
{
    return m_toolkit.drawArea(window) != nullptr && framesOf(page) > framesBefore && m_toolkit.framePainted(window);
}

bool DemoScript::showsPlot(Window window, UniqueID_t page, const std::string& fileName)
{
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    bool shown = false;
    for (int attempt = 0; attempt < ScreenTries && !shown; ++attempt)
    {
        if (attempt > 0)
            m_toolkit.waitForScreen();
        shown = m_toolkit.grab(window, width, height, rgb) && picturesPlot(rgb, page);
    }
    return writePicture(fileName, width, height, rgb) && shown;
}

bool DemoScript::writePicture(const std::string& fileName, int width, int height,
                              const std::vector<unsigned char>& rgb)
{
    PngWriter writer;
    const bool written = writer.write(m_outputDirectory + "/" + fileName, width, height, rgb, PngWriter::Layout_RGB);
    if (!written)
        std::cerr << "demo: " << writer.error() << "\n";
    return written;
}

void DemoScript::click(Window window, double x, double y)
{
    m_toolkit.mouseButton(window, true, x, y);
    m_toolkit.mouseButton(window, false, x, y);
}

void DemoScript::drag(Window window, double fromX, double fromY, double toX, double toY)
{
    const int moves = 6;
    m_toolkit.mouseButton(window, true, fromX, fromY);
    for (int move = 1; move <= moves; ++move)
        m_toolkit.drag(window, fromX + (toX - fromX) * move / moves, fromY + (toY - fromY) * move / moves);
    m_toolkit.mouseButton(window, false, toX, toY);
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
