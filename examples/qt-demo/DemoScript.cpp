#include "DemoScript.h"

#include "BoundaryAccount.h"
#include "DemoSession.h"
#include "DemoWindow.h"
#include "PageTabs.h"

#include "ovsdkqthost/QtGLDrawArea.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include <cstdlib>
#include <iostream>
#include <map>

namespace sim = orvane::sim;
using orvane::sdk::qthost::QtGLDrawArea;

const QSize DemoScript::GrowBy(160, 100);

namespace {

const int PollMilliseconds = 10;
// Progress at which the user acts during a long operation.
const int InterruptAtPercent = 20;
const int StopAtPercent = 40;

bool isColour(QRgb pixel, sim::PlotColour colour)
{
    return qRed(pixel) == colour.red && qGreen(pixel) == colour.green && qBlue(pixel) == colour.blue;
}

// The picture shows the plot of page 1 or 2: its background over a good
// part of it, its curve, and more than the two of them (the window around).
bool showsPlot(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    const auto pixelsOf = [&counts](sim::PlotColour colour) {
        int pixels = 0;
        for (const auto& entry : counts)
            pixels += isColour(entry.first, colour) ? entry.second : 0;
        return pixels;
    };
    bool plotShown = false;
    for (UniqueID_t page : {1, 2})
        plotShown = plotShown || (pixelsOf(sim::backgroundColour(page)) > image.width() * image.height() / 4 &&
                                  pixelsOf(sim::curveColour(page)) > 200);
    return counts.size() > 3 && plotShown;
}

} // namespace

DemoScript::DemoScript(DemoWindow& window, DemoSession& session, BoundaryAccount& account,
                       const QString& outputDirectory)
    : m_window(window),
      m_session(session),
      m_account(account),
      m_outputDirectory(outputDirectory),
      m_next(0),
      m_actionPending(false),
      m_checks(0),
      m_firstPageId(0),
      m_framesBefore(0),
      m_widthBefore(0),
      m_tabBefore(0)
{
    addSteps();
}

void DemoScript::start(int timeLimitMilliseconds)
{
    QDir().mkpath(m_outputDirectory);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
    m_poll.start(PollMilliseconds);
    m_timeLimit.setSingleShot(true);
    QObject::connect(&m_timeLimit, &QTimer::timeout, [this] {
        // Possibly deep inside a long operation: no way back to the event
        // loop is sure, so the process ends here.
        m_account.flush();
        std::cout << "\nScripted session: gave up waiting for "
                  << (m_next < m_steps.size() ? m_steps[m_next].waitingFor : "the last step's end") << std::endl;
        std::_Exit(2);
    });
    m_timeLimit.start(timeLimitMilliseconds);
}

void DemoScript::then(const std::string& waitingFor, Condition ready, Action action)
{
    m_steps.push_back(Step{waitingFor, std::move(ready), std::move(action)});
}

void DemoScript::then(Action action)
{
    then("the step before", [] { return true; }, std::move(action));
}

void DemoScript::poll()
{
    if (m_actionPending)
        return;
    if (m_next == m_steps.size())
    {
        m_poll.stop();
        finish();
        return;
    }
    const Step& step = m_steps[m_next];
    if (!step.ready())
        return;
    ++m_next;
    m_actionPending = true;
    QTimer::singleShot(0, &m_poll, [this, action = step.action] {
        m_actionPending = false;
        action();
    });
}

void DemoScript::addSteps()
{
    addPageSteps();
    addInputSteps();
    addBusySteps();
    addExportSteps();
}

void DemoScript::addPageSteps()
{
    orvane::sdk::integration::PageManagerInterface& pages = m_session.manager().getPageManager();
    then("the main window on screen", [this] { return m_window.windowHandle()->isExposed(); },
         [this] {
             m_account.road("Two pages: one the host makes, one the engine asks for");
             m_account.user("clicks \"New page\" in the tool bar");
             click(m_window.actions().newPage);
         });
    then("the first page drawn",
         [&pages, this] { return pages.pageCount() == 1 && currentEnginePage().framesDrawn > 0; },
         [this] {
             m_firstPageId = currentEnginePage().id;
             screenshot("01-host-page.png");
             m_account.user("clicks \"Open layout\": the engine opens a layout and asks for a page");
             click(m_window.actions().enginePage);
         });
    then("the second page drawn",
         [&pages, this] { return pages.pageCount() == 2 && currentEnginePage().id != m_firstPageId &&
                                 currentEnginePage().framesDrawn > 0; },
         [this] {
             check(m_window.tabs().count() == 2 && m_window.tabs().currentIndex() == 1,
                   "the engine's page got a window of the kit's factory in a second tab");
             screenshot("02-engine-page.png");
             m_account.road("Switching pages");
             m_framesBefore = sim::findPage(m_firstPageId)->framesDrawn;
             m_account.user("clicks the first tab");
             clickTab(0);
         });
    then("the first page current and drawn again",
         [this] { return currentEnginePage().id == m_firstPageId && currentEnginePage().framesDrawn > m_framesBefore; },
         [this] {
             m_account.road("A resize");
             int height = 0;
             currentDrawArea().getSize(m_widthBefore, height);
             m_framesBefore = currentEnginePage().framesDrawn;
             m_account.user("makes the main window larger");
             m_window.resize(m_window.size() + GrowBy);
         });
    then("the page drawn at its new size",
         [this] {
             int width = 0, height = 0;
             currentDrawArea().getSize(width, height);
             // getSize() is in device pixels; the window grew by logical ones.
             return width == m_widthBefore + devicePixels(GrowBy.width()) &&
                    currentEnginePage().framesDrawn > m_framesBefore;
         },
         [this] { screenshot("03-resized.png"); });
}

void DemoScript::addInputSteps()
{
    then([this] {
        m_account.road("Mouse input in the plot: a drag pans it");
        m_framesBefore = currentEnginePage().framesDrawn;
        m_account.user("drags the plot 60 pixels right and 40 down");
        drag(QPoint(200, 200), QPoint(260, 240), Qt::NoModifier);
    });
    then("the plot panned and drawn again",
         [this] { return currentEnginePage().view.panX != 0.0 && currentEnginePage().framesDrawn > m_framesBefore; },
         [this] {
             check(currentEnginePage().view.panX == devicePixels(60) && currentEnginePage().view.panY == devicePixels(40),
                   "the drag panned the plot by its distance in device pixels");
             screenshot("04-dragged.png");
             m_account.road("The wheel zooms, a shift-drag selects");
             m_framesBefore = currentEnginePage().framesDrawn;
             m_account.user("turns the wheel one notch away from them over the plot");
             wheel(QPoint(300, 200), 120);
         });
    then("the plot zoomed and drawn again",
         [this] { return currentEnginePage().view.zoom > 1.0 && currentEnginePage().framesDrawn > m_framesBefore; },
         [this] {
             check(currentEnginePage().view.zoom == 1.25, "a notch of the wheel zoomed the plot by one step");
             m_account.user("shift-drags over a region of the plot");
             drag(QPoint(120, 100), QPoint(320, 260), Qt::ShiftModifier);
         });
    then("the selection reported",
         [this] { return m_window.statusBar()->currentMessage().startsWith(QStringLiteral("Selected")); },
         [this] {
             // From (120, 100) to (320, 260) on screen, in the view panned by (60, 40) and zoomed by 1.25,
             // all in logical pixels; the engine sees device pixels (x 48 to 208, y 48 to 176 at a
             // pixel ratio of 1).
             const auto plotUnits = [this](int logical, int pan) {
                 return QString::number((devicePixels(logical) - devicePixels(pan)) / 1.25, 'g', 4);
             };
             const QString expected = QStringLiteral("Selected x %1 to %2, y %3 to %4")
                                          .arg(plotUnits(120, 60), plotUnits(320, 60), plotUnits(100, 40),
                                               plotUnits(260, 40));
             check(m_window.statusBar()->currentMessage() == expected,
                   "the shift-drag selected the region under it, in plot units");
         });
}

void DemoScript::addBusySteps()
{
    then([this] {
        m_account.road("A long operation, interrupted by Escape");
        m_account.user("clicks \"Long operation\"");
        click(m_window.actions().longOperation);
    });
    then("the long operation under way", [this] { return operationPast(InterruptAtPercent); },
         [this] {
             screenshot("05-busy.png");
             m_account.user("presses Escape while the engine works");
             pressEscape();
         });
    then("the long operation's end", [this] { return operationEnded(); },
         [this] {
             check(!*m_window.lastOperationCompleted(), "Escape interrupted the long operation");
             m_account.road("A long operation: a click held back by the Stop button, then Stop");
             m_account.user("clicks \"Long operation\"");
             click(m_window.actions().longOperation);
         });
    then("the long operation under way", [this] { return operationPast(InterruptAtPercent); },
         [this] {
             m_tabBefore = m_window.tabs().currentIndex();
             m_session.manager().monitor().forgetDeferredInterrupt();
             m_account.user("clicks the other tab while the engine works");
             clickTab(1 - m_tabBefore);
             check(m_session.manager().monitor().interruptDeferred(),
                   "the click's interrupt was held back while the Stop button shows");
         });
    then("the long operation going on", [this] { return operationPast(StopAtPercent); },
         [this] {
             m_account.user("clicks Stop");
             QPushButton& stop = m_window.stopButton();
             click(stop, stop.rect().center());
         });
    then("the long operation's end", [this] { return operationEnded(); },
         [this] {
             check(!*m_window.lastOperationCompleted(), "the Stop button interrupted the long operation");
             check(m_window.tabs().currentIndex() == m_tabBefore,
                   "the click on the other tab was not delivered while the engine was busy");
         });
}

void DemoScript::addExportSteps()
{
    orvane::sdk::integration::PageManagerInterface& pages = m_session.manager().getPageManager();
    then([this] {
        m_account.road("An export");
        const QString fileName = QDir(m_outputDirectory).filePath(QStringLiteral("export.png"));
        m_window.exportFileNames().push(fileName);
        m_account.user("clicks \"Export image...\" and chooses " + fileName.toStdString());
        click(m_window.actions().exportImage);
        check(m_window.lastExport() == fileName && showsPlot(QImage(fileName)),
              "the exported image of the page's plot was saved");
        m_account.road("Deleting a page");
        m_account.user("clicks \"Delete page\"");
        click(m_window.actions().deletePage);
    });
    then("one page left", [&pages, this] { return pages.pageCount() == 1 && m_window.tabs().count() == 1; },
         [this] { check(m_window.tabs().pageAt(0) != nullptr, "the deleted page took its tab along"); });
}

void DemoScript::finish()
{
    check(sim::misuses().empty(), "the engine noticed no misuse");
    m_account.road("End of the scripted session");
    for (const QString& fileName : m_screenshots)
        std::cout << "wrote " << fileName.toStdString() << "\n";
    if (m_failures.empty())
        std::cout << "Scripted session: all " << m_checks << " checks passed\n";
    else
        for (const std::string& failure : m_failures)
            std::cout << "Scripted session: FAILED: " << failure << "\n";
    std::cout.flush();
    QCoreApplication::exit(m_failures.empty() ? 0 : 1);
}

void DemoScript::check(bool ok, const std::string& what)
{
    ++m_checks;
    m_account.host(std::string(ok ? "checked: " : "CHECK FAILED: ") + what);
    if (!ok)
        m_failures.push_back(what);
}

void DemoScript::screenshot(const QString& fileName)
{
    // The screen's pixels: the drawing areas are windows of their own, which
    // a grab of the widgets would leave empty.
    const QString path = QDir(m_outputDirectory).filePath(fileName);
    const QImage shown = m_window.screen()->grabWindow(m_window.winId()).toImage();
    const bool saved = shown.save(path, "PNG");
    check(saved && showsPlot(shown), "a screenshot of a page's plot saved as " + path.toStdString());
    if (saved)
        m_screenshots.push_back(path);
}

void DemoScript::click(QWidget& widget, QPoint position)
{
    QTest::mouseClick(widget.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget.mapTo(widget.window(), position));
}

void DemoScript::click(QAction* action)
{
    for (QToolBar* toolBar : m_window.findChildren<QToolBar*>())
        if (QWidget* button = toolBar->widgetForAction(action))
            return click(*button, button->rect().center());
}

void DemoScript::clickTab(int index)
{
    QTabBar& tabBar = *m_window.tabs().tabBar();
    click(tabBar, tabBar.tabRect(index).center());
}

void DemoScript::pressEscape() { QTest::keyClick(m_window.windowHandle(), Qt::Key_Escape); }

void DemoScript::drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers)
{
    QtGLDrawArea& drawArea = currentDrawArea();
    // Moves with the modifiers held, as the window system reports them.
    const auto move = [&](QPoint to) { QTest::mouseEvent(QTest::MouseMove, &drawArea, Qt::NoButton, modifiers, to); };
    move(from);
    QTest::mousePress(&drawArea, Qt::LeftButton, modifiers, from);
    move((from + to) / 2);
    move(to);
    QTest::mouseRelease(&drawArea, Qt::LeftButton, modifiers, to);
}

void DemoScript::wheel(QPoint at, int delta)
{
    QtGLDrawArea& drawArea = currentDrawArea();
    QWheelEvent event(at, drawArea.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&drawArea, &event);
}

QtGLDrawArea& DemoScript::currentDrawArea() { return *m_window.tabs().drawAreaAt(m_window.tabs().currentIndex()); }

int DemoScript::devicePixels(int logical) { return qRound(logical * currentDrawArea().devicePixelRatio()); }

const sim::PageState& DemoScript::currentEnginePage()
{
    static const sim::PageState none;
    const sim::PageState* page = sim::findPage(sim::currentPageId());
    return page != nullptr ? *page : none;
}

bool DemoScript::operationPast(int percent)
{
    return sim::isBusyOperationRunning() && m_window.progressBar().value() >= percent;
}

bool DemoScript::operationEnded()
{
    return !sim::isBusyOperationRunning() && m_window.lastOperationCompleted().has_value();
}
