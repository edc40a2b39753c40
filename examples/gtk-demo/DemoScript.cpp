#include "DemoScript.h"

#include "BoundaryAccount.h"
#include "DemoSession.h"
#include "PngWriter.h"
#include "X11Window.h"

#include "ovsdkgtkhost/GtkGLDrawArea.h"
#include "ovsdkgtkhost/GtkInputEvent.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <gtk/gtk.h>

#include <filesystem>
#include <iostream>

namespace sim = orvane::sim;
using orvane::sdk::gtkhost::GtkGLDrawArea;
using orvane::sdk::gtkhost::GtkInputEvent;

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
// GTK paints a frame on its next frame-clock tick; the X server has it a
// little later: tries of reading it, a few milliseconds apart.
const int ScreenTries = 50;

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

DemoScript::DemoScript(DemoSession& session, BoundaryAccount& account, const std::string& outputDirectory)
    : m_session(session),
      m_account(account),
      m_outputDirectory(outputDirectory),
      m_pollSource(0),
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
    if (m_pollSource != 0)
        g_source_remove(m_pollSource);
}

void DemoScript::start(double timeLimitSeconds)
{
    std::error_code ignored;
    std::filesystem::create_directories(m_outputDirectory, ignored);
    m_deadline = now() + timeLimitSeconds;
    m_stepDeadline = now() + StepWaitSeconds;
    m_pollSource = g_timeout_add(PollMilliseconds, [](gpointer self) -> gboolean {
        static_cast<DemoScript*>(self)->poll();
        return G_SOURCE_CONTINUE;
    }, this);
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
    then("the host's page on the screen", [this] { return drawnAndShown(m_session.hostWindow(), m_hostPage); },
         [this] {
             check(showsPlot(m_session.hostWindow(), m_hostPage, "01-host-page.png"),
                   "the host's window shows its page's plot");
             m_account.engine("asks for a page of its own (its page-create callback)");
             check(sim::requestPage({"Engine page"}), "the engine's page request gets a page with a window");
             m_enginePage = newestPage();
         });
    then("the engine's page on the screen",
         [this] { return m_enginePage != 0 && drawnAndShown(m_session.engineWindow(), m_enginePage); }, [this] {
             check(showsPlot(m_session.engineWindow(), m_enginePage, "02-engine-page.png"),
                   "the engine's window shows its page's plot");
             check(sim::currentPageId() == m_enginePage, "the engine's new page is current");
             m_account.road("Focus");
             m_account.user("clicks into the host's window: it takes the focus");
             click(m_session.hostWindow(), 20, 20);
             post(m_session.hostWindow(), GtkInputEvent::focusEvent(true));
         });
    then("the host's page current", [this] { return sim::currentPageId() == m_hostPage; }, [this] {
        check(sim::currentPageId() == m_hostPage, "focus on the host's window makes its page current");
        m_account.road("Resize");
        m_account.user("enlarges the host's window");
        m_framesBefore = framesOf(m_hostPage);
        gtk_window_set_default_size(m_session.hostWindow()->window(), ResizedWidth, ResizedHeight);
    });
    then("the enlarged plot on the screen", [this] {
        int width = 0, height = 0;
        m_session.hostWindow()->getSize(width, height);
        return width > ResizedWidth - 1 && drawnAndShown(m_session.hostWindow(), m_hostPage, m_framesBefore);
    }, [this] {
        int width = 0, height = 0;
        m_session.hostWindow()->getSize(width, height);
        const double ratio = m_session.hostWindow()->devicePixelRatio();
        check(width == int(ResizedWidth * ratio) && height == int(ResizedHeight * ratio),
              "the drawing area has the new size, in device pixels");
        check(showsPlot(m_session.hostWindow(), m_hostPage, "03-resized.png"),
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
        gtk_window_close(m_session.engineWindow()->window());
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
        drag(m_session.hostWindow(), 200, 180, 260, 220);
    });
    then("the plot moved and redrawn", [this] {
        const sim::PageState* page = sim::findPage(m_hostPage);
        return page != nullptr && page->view.panX != 0.0 &&
               drawnAndShown(m_session.hostWindow(), m_hostPage, m_framesBefore);
    }, [this] {
        check(sim::findPage(m_hostPage)->view.panX != 0.0, "the drag reached the engine and moved the plot");
        check(showsPlot(m_session.hostWindow(), m_hostPage, "04-dragged.png"), "the moved plot is on the screen");
        m_account.user("turns the wheel away from them, then types 'a'");
        post(m_session.hostWindow(), GtkInputEvent::scrollEvent(0.0, -1.0, 240, 180, 0));
        pressKey(m_session.hostWindow(), GDK_KEY_a);
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
        check(interruptedOperation("presses Escape", [this] { pressKey(m_session.hostWindow(), GDK_KEY_Escape); }),
              "Escape stops a long operation");
        check(interruptedOperation("clicks into the plot", [this] { click(m_session.hostWindow(), 100, 100); }),
              "a click interrupts a long operation");
    });
    then("", [] { return true; }, [this] {
        m_account.road("An interrupted frame");
        m_account.user("presses a key while the engine draws the host's page");
        m_framesBefore = framesOf(m_hostPage);
        sim::setFrameBusySteps(FrameBusySteps);
        pressKey(m_session.hostWindow(), GDK_KEY_k);
        m_session.manager().getPageManager().getCurrentPage()->redraw();
        sim::setFrameBusySteps(0);
        check(m_session.repairer().framesKeptOff() == 1, "the interrupted frame is kept off the screen");
    });
    then("the frame redrawn",
         [this] { return drawnAndShown(m_session.hostWindow(), m_hostPage, m_framesBefore + 1); }, [this] {
             check(framesOf(m_hostPage) > m_framesBefore + 1, "the interrupted frame is drawn again at idle time");
             check(showsPlot(m_session.hostWindow(), m_hostPage, "05-redrawn.png"),
                   "the redrawn frame is on the screen");
         });
}

bool DemoScript::interruptedOperation(const std::string& how, const Action& interrupt)
{
    m_account.user("starts a long operation, and " + how + " while it runs");
    // GLib's timeouts run in the engine's busy passes too.
    struct Actor
    {
        const Action* interrupt;
        bool acted;
    } actor{&interrupt, false};
    const unsigned source = g_timeout_add(InterruptAfterMilliseconds, [](gpointer data) -> gboolean {
        Actor& actor = *static_cast<Actor*>(data);
        actor.acted = true;
        (*actor.interrupt)();
        return G_SOURCE_REMOVE;
    }, &actor);
    const bool completed = sim::runBusyOperation(LongOperationSteps);
    if (!actor.acted)
        g_source_remove(source);
    m_account.engine(completed ? "completes the long operation" : "stops the long operation early");
    return !completed;
}

void DemoScript::poll()
{
    if (m_actionRunning || m_finished)
        return;
    if (now() > m_deadline)
    {
        check(false, "the session ended in time (it stopped waiting for " + m_steps[m_next].waitingFor + ")");
        m_finished = true;
        return;
    }
    if (m_next >= m_steps.size())
        return;
    const Step& step = m_steps[m_next];
    if (!step.ready() && now() < m_stepDeadline)
        return;
    ++m_next;
    m_actionRunning = true;
    step.action();
    m_actionRunning = false;
    m_stepDeadline = now() + StepWaitSeconds;
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

bool DemoScript::drawnAndShown(GtkGLDrawArea* window, UniqueID_t page, int framesBefore)
{
    return window != nullptr && framesOf(page) > framesBefore && !window->framePending();
}

bool DemoScript::showsPlot(GtkGLDrawArea* window, UniqueID_t page, const std::string& fileName)
{
    if (window == nullptr)
        return false;
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    bool shown = false;
    for (int attempt = 0; attempt < ScreenTries && !shown; ++attempt)
    {
        if (attempt > 0)
        {
            g_usleep(5000);
            while (g_main_context_iteration(nullptr, FALSE))
            {
            }
        }
        shown = X11Window::grab(*window, width, height, rgb) && picturesPlot(rgb, page);
    }
    return writePicture(fileName, width, height, rgb) && shown;
}

bool DemoScript::writePicture(const std::string& fileName, int width, int height,
                              const std::vector<unsigned char>& rgb)
{
    PngWriter writer;
    const bool written = writer.write(m_outputDirectory + "/" + fileName, width, height, rgb, PngWriter::Layout_RGB);
    if (!written)
        std::cerr << "gtk-demo: " << writer.error() << "\n";
    return written;
}

void DemoScript::post(GtkGLDrawArea* window, const GtkInputEvent& event)
{
    if (window != nullptr)
        window->post(event);
}

void DemoScript::click(GtkGLDrawArea* window, double x, double y)
{
    post(window, GtkInputEvent::buttonEvent(GtkInputEvent::ButtonPress, GDK_BUTTON_PRIMARY, x, y, 0));
    post(window, GtkInputEvent::buttonEvent(GtkInputEvent::ButtonRelease, GDK_BUTTON_PRIMARY, x, y, 0));
}

void DemoScript::drag(GtkGLDrawArea* window, double fromX, double fromY, double toX, double toY)
{
    const int moves = 6;
    post(window, GtkInputEvent::buttonEvent(GtkInputEvent::ButtonPress, GDK_BUTTON_PRIMARY, fromX, fromY, 0));
    for (int move = 1; move <= moves; ++move)
        post(window, GtkInputEvent::motionEvent(fromX + (toX - fromX) * move / moves,
                                                fromY + (toY - fromY) * move / moves, GDK_BUTTON1_MASK));
    post(window, GtkInputEvent::buttonEvent(GtkInputEvent::ButtonRelease, GDK_BUTTON_PRIMARY, toX, toY, 0));
}

void DemoScript::pressKey(GtkGLDrawArea* window, unsigned keyval)
{
    post(window, GtkInputEvent::keyEvent(GtkInputEvent::KeyPress, keyval, 0));
    post(window, GtkInputEvent::keyEvent(GtkInputEvent::KeyRelease, keyval, 0));
}

double DemoScript::now() { return double(g_get_monotonic_time()) / G_USEC_PER_SEC; }

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
