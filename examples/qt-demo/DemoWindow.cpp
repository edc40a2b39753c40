#include "DemoWindow.h"

#include "BoundaryAccount.h"
#include "DemoSession.h"
#include "PageTabs.h"

#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtStopButton.h"

#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <boost/make_shared.hpp>

#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <iterator>

namespace integration = orvane::sdk::integration;
namespace qthost = orvane::sdk::qthost;
namespace sim = orvane::sim;

namespace {

// The steps of the engine's long operation (each takes the session's step time).
const int LongOperationSteps = 150;

const char* const Layouts[] = {"sales.lay", "costs.lay", "forecast.lay"};

// Logical pixels below which both tool bars do not fit side by side.
const int NarrowScreenWidth = 1000;

} // namespace

DemoWindow::DemoWindow(DemoSession& session, BoundaryAccount& account)
    : m_session(session),
      m_account(account),
      m_tabs(new PageTabs(session.manager().getPageManager(), account, this)),
      m_recentLayouts(new QMenu(tr("&Recent layouts"), this)),
      m_actions(),
      m_coordinates(new QLabel),
      m_progress(new QProgressBar),
      m_stop(new QPushButton(tr("Stop"))),
      m_progressStatus(account, statusBar(), m_progress, m_stop),
      m_runningCoordinates(account, m_coordinates),
      m_messageBox(this, tr("Orvane Qt demo")),
      m_simpleText(this, tr("Orvane Qt demo")),
      m_recentLayoutsService(m_recentLayouts, 8, [this](const QString& layout) { engineOpensLayout(layout); }),
      m_pageAccount(account),
      m_inputAccount(account),
      m_viewRedrawer(session.manager().getEventManager(), session.manager().getPageManager(),
                     [this](std::function<void()> redraw) { QTimer::singleShot(0, this, std::move(redraw)); }),
      m_stopButton(boost::make_shared<qthost::QtStopButton>(*m_stop)),
      m_layoutsOpened(0)
{
    setWindowTitle(tr("Orvane integration manager - Qt demo"));
    setCentralWidget(m_tabs);
    createActions();
    createStatusBar();

    m_selectRegion.setHandler([this](const QRectF& region, bool) {
        const QString text = QStringLiteral("Selected x %1 to %2, y %3 to %4")
                                 .arg(region.left(), 0, 'g', 4)
                                 .arg(region.right(), 0, 'g', 4)
                                 .arg(region.top(), 0, 'g', 4)
                                 .arg(region.bottom(), 0, 'g', 4);
        m_account.toHost("select region", text.toStdString());
        statusBar()->showMessage(text);
    });
    m_tabs->setWindowAdded([this](qthost::QtGLDrawArea& drawArea) { m_selectRegion.showRubberBandIn(drawArea); });
    m_session.drawAreaFactory().setPlacement([this](qthost::QtGLDrawArea* drawArea, const QStringList& arguments) {
        m_tabs->addWindow(drawArea, arguments.join(' '));
    });

    m_account.host("makes the services that show in its window current, registers its Stop button");
    integration::services::ServiceRepositoryInterface& services = m_session.manager().getServiceRepository();
    for (integration::services::ServiceInterface* service :
         std::initializer_list<integration::services::ServiceInterface*>{
             &m_progressStatus, &m_runningCoordinates, &m_selectRegion, &m_messageBox, &m_simpleText,
             &m_recentLayoutsService, &m_cursors})
        services.setService(service);
    m_session.manager().getEventManager().registerStopButton(m_stopButton);
    connectAccount();
}

DemoWindow::~DemoWindow()
{
    DemoManager& manager = m_session.manager();
    manager.getEventManager().unRegisterStopButton(m_stopButton);
    manager.getEventManager().removeMouseListener(&m_inputAccount);
    manager.getEventManager().removeKeyboardListener(&m_inputAccount);
    manager.monitor().removeKeyboardListener(&m_inputAccount);
    manager.getPageManager().removeListener(&m_pageAccount);
    m_session.drawAreaFactory().setPlacement(nullptr);
    delete m_tabs;
}

void DemoWindow::createActions()
{
    QMenu* pageMenu = menuBar()->addMenu(tr("&Page"));
    QMenu* engineMenu = menuBar()->addMenu(tr("&Engine"));
    QToolBar* toolBar = addToolBar(tr("Pages"));
    toolBar->setObjectName("pages");
    const auto add = [&toolBar, this](QMenu* menu, const QString& text, QKeySequence shortcut,
                                      std::function<void()> handler) {
        QAction* action = menu->addAction(text);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        toolBar->addAction(action);
        return action;
    };
    m_actions.newPage = add(pageMenu, tr("&New page"), QKeySequence::New, [this] { newPage(); });
    m_actions.enginePage = add(pageMenu, tr("&Open layout"), QKeySequence::Open,
                               [this] { engineOpensLayout(Layouts[m_layoutsOpened % std::size(Layouts)]); });
    m_actions.deletePage = add(pageMenu, tr("&Delete page"), QKeySequence::Close, [this] { deletePage(); });
    m_actions.previousPage = add(pageMenu, tr("&Previous page"), QKeySequence::PreviousChild, [this] { stepPage(-1); });
    m_actions.nextPage = add(pageMenu, tr("Ne&xt page"), QKeySequence::NextChild, [this] { stepPage(1); });
    pageMenu->addSeparator();
    pageMenu->addMenu(m_recentLayouts);
    pageMenu->addSeparator();
    // The engine's actions have a tool bar of their own, on a row of its own
    // where the screen is narrow (a HiDPI screen at a high pixel ratio has
    // few logical pixels), so that every action stays visible.
    if (screen()->availableGeometry().width() < NarrowScreenWidth)
        addToolBarBreak();
    toolBar = addToolBar(tr("Engine"));
    toolBar->setObjectName("engine");
    m_actions.exportImage = add(engineMenu, tr("&Export image..."), QKeySequence::Save, [this] { exportImage(); });
    m_actions.longOperation =
        add(engineMenu, tr("&Long operation"), QKeySequence(tr("Ctrl+L")), [this] { runLongOperation(); });
    m_actions.quit = pageMenu->addAction(tr("&Quit"));
    m_actions.quit->setShortcut(QKeySequence::Quit);
    connect(m_actions.quit, &QAction::triggered, this, &QWidget::close);
}

void DemoWindow::createStatusBar()
{
    m_coordinates->setMinimumWidth(160);
    m_progress->setMaximumWidth(160);
    m_progress->hide();
    m_stop->hide();
    m_stop->setFocusPolicy(Qt::NoFocus);
    connect(m_stop, &QPushButton::clicked, this, [this] { m_account.host("clicks Stop"); });
    statusBar()->addPermanentWidget(m_coordinates);
    statusBar()->addPermanentWidget(m_progress);
    statusBar()->addPermanentWidget(m_stop);
}

void DemoWindow::connectAccount()
{
    DemoManager& manager = m_session.manager();
    manager.getPageManager().addListener(&m_pageAccount);
    manager.getEventManager().addMouseListener(&m_inputAccount);
    manager.getEventManager().addKeyboardListener(&m_inputAccount);
    manager.monitor().addKeyboardListener(&m_inputAccount);
    m_inputAccount.setApplicationWide(manager.monitor());
    m_noLongerBusy = manager.monitor().connectEngineIsNoLongerBusy(
        [this] { m_account.toHost("signalEngineIsNoLongerBusy", "the monitor's first idle time after a busy pass"); });
}

const DemoWindow::Actions& DemoWindow::actions() const { return m_actions; }

PageTabs& DemoWindow::tabs() { return *m_tabs; }

QProgressBar& DemoWindow::progressBar() { return *m_progress; }

QPushButton& DemoWindow::stopButton() { return *m_stop; }

qthost::QtScriptedAnswers<QString>& DemoWindow::exportFileNames() { return m_exportFileNames; }

std::optional<bool> DemoWindow::lastOperationCompleted() const { return m_lastOperationCompleted; }

QString DemoWindow::lastExport() const { return m_lastExport; }

void DemoWindow::setActionsEnabled(bool enabled)
{
    for (QAction* action : {m_actions.newPage, m_actions.enginePage, m_actions.deletePage, m_actions.previousPage,
                            m_actions.nextPage, m_actions.exportImage, m_actions.longOperation, m_actions.quit})
        action->setEnabled(enabled);
    m_recentLayouts->setEnabled(enabled);
}

void DemoWindow::newPage()
{
    m_account.host("New page: a kit drawing area in a new tab, then addPage(drawArea)");
    qthost::QtGLDrawArea* drawArea = new qthost::QtGLDrawArea;
    m_tabs->addWindow(drawArea, tr("New page"));
    m_session.manager().getPageManager().addPage(drawArea);
}

void DemoWindow::engineOpensLayout(const QString& layout)
{
    ++m_layoutsOpened;
    m_account.engine("opens the layout \"" + layout.toStdString() +
                     "\": asks for a page (the kit's factory gives it a window) and reports the layout as recent");
    sim::requestPage({"-layout", layout.toStdString()});
    sim::reportMRULayout(layout.toUtf8().constData());
}

void DemoWindow::deletePage()
{
    integration::PageManagerInterface& pages = m_session.manager().getPageManager();
    integration::PageInterface* page = pages.getCurrentPage();
    if (page == nullptr)
        return;
    m_account.host("Delete page: deletePage(" + describePage(*page) + ")");
    pages.deletePage(*page);
}

void DemoWindow::stepPage(int step)
{
    if (m_tabs->count() > 1)
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + m_tabs->count()) % m_tabs->count());
}

void DemoWindow::exportImage()
{
    QString fileName;
    if (!m_exportFileNames.take(fileName))
        fileName = QFileDialog::getSaveFileName(this, tr("Export image"), QStringLiteral("plot.png"),
                                                tr("PNG images (*.png)"));
    if (!fileName.isEmpty())
        exportTo(fileName);
}

void DemoWindow::exportTo(const QString& fileName)
{
    m_lastExport.clear();
    integration::PageInterface* page = m_session.manager().getPageManager().getCurrentPage();
    if (page == nullptr)
        return;
    int width = 0;
    int height = 0;
    page->getSize(width, height);
    m_account.host("Export image: the engine renders " + describePage(*page) + " offscreen at " +
                   std::to_string(width) + " x " + std::to_string(height));
    const sim::ExportedImage exported = sim::exportImage(width, height, ExportRegion_CurrentFrame);
    const bool saved = exported.ok && QImage(exported.rgb.data(), width, height, width * 3, QImage::Format_RGB888)
                                          .save(fileName, "PNG");
    m_account.host(saved ? "saves the image as " + fileName.toStdString() : "could not export the image");
    statusBar()->showMessage(saved ? tr("Exported to %1").arg(fileName) : tr("The export failed"));
    if (saved)
        m_lastExport = fileName;
}

void DemoWindow::runLongOperation()
{
    m_account.engine("runs a long operation of " + std::to_string(LongOperationSteps) +
                     " steps, calling the busy callback after each");
    m_session.manager().monitor().forgetDeferredInterrupt();
    m_lastOperationCompleted.reset();
    // The commands rest while the engine works.
    setActionsEnabled(false);
    const bool completed = sim::runBusyOperation(LongOperationSteps);
    setActionsEnabled(true);
    m_lastOperationCompleted = completed;
    m_account.engine(completed ? "the long operation completed" : "the long operation stopped: it was interrupted");
}
