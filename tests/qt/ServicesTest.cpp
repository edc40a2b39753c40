// The kit's services answering the engine's requests with Qt, and the small
// Qt pieces around them.
#include "QtHostSession.h"

#include "ovsdkqthost/QtCursorShapeService.h"
#include "ovsdkqthost/QtDialogLauncher.h"
#include "ovsdkqthost/QtInputMapping.h"
#include "ovsdkqthost/QtMRULayoutService.h"
#include "ovsdkqthost/QtProgressStatusService.h"
#include "ovsdkqthost/QtRunningCoordsService.h"
#include "ovsdkqthost/QtSelectRegionService.h"
#include "ovsdkqthost/QtStopButton.h"
#include "ovsdkqthost/QtTimer.h"

#include "integration/DialogManagerInterface.h"
#include "integration/PageInterface.h"
#include "util/TimerListenerInterface.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace qthosttest {
namespace {

using integration::MouseEventInterface;

class ServicesTest : public QtHostTest
{
};

TEST_F(ServicesTest, DialogsTakeScriptedAnswersInsteadOfBlocking)
{
    session.messageBox.scriptedAnswers().push(MessageBoxReply_No);
    session.messageBox.scriptedAnswers().push(MessageBoxReply_Cancel);
    EXPECT_EQ(MessageBoxReply_Invalid, sim::requestMessageBox("?", MessageBoxType_Invalid)); // takes no answer
    EXPECT_EQ(MessageBoxReply_No, sim::requestMessageBox("Save?", MessageBoxType_YesNoCancel));
    EXPECT_EQ(MessageBoxReply_Cancel, sim::requestMessageBox("Save?", MessageBoxType_YesNoCancel));
    EXPECT_TRUE(session.messageBox.scriptedAnswers().empty());

    session.simpleText.scriptedAnswers().push(std::string("Pressure"));
    session.simpleText.scriptedAnswers().push(std::nullopt);
    std::string text = "default";
    EXPECT_TRUE(sim::requestSimpleText("Name:", text, true));
    EXPECT_EQ("Pressure", text);
    text = "kept";
    EXPECT_FALSE(sim::requestSimpleText("Name:", text, true));
    EXPECT_EQ("kept", text);
}

// Beyond the typed keys, buttons and modifiers the conformance suite checks.
TEST_F(ServicesTest, KeysButtonsAndModifiersMapToTheLibrarysNumbers)
{
    EXPECT_EQ(int(Qt::Key_Up), qthost::hostKeyCode(QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier)));
    // C with acute is U+0106, 262 like the engine's Insert.
    EXPECT_EQ(0, qthost::hostKeyCode(QKeyEvent(QEvent::KeyPress, 0x106, Qt::NoModifier, QString(QChar(0x107)))));
    const std::pair<int, int> engineKeys[] = {{Qt::Key_Enter, 13}, {Qt::Key_Delete, 127}, {Qt::Key_Up, 275},
                                              {Qt::Key_PageDown, 279}, {Qt::Key_F12, 315}, {Qt::Key_Print, 0},
                                              {Qt::Key_VolumeUp, 0}};
    for (const std::pair<int, int>& key : engineKeys)
        EXPECT_EQ(key.second, qthost::engineKeyCode(key.first)) << key.first;
    EXPECT_EQ(MouseEventInterface::MouseButton_Invalid, qthost::toLibraryButton(Qt::BackButton));
    EXPECT_EQ(2, qthost::toLibraryModifiers(Qt::ControlModifier | Qt::MetaModifier));
}

// (An export's pixels: test_headless_qt_comparison.)
TEST_F(ServicesTest, AnImageThatCannotBeMadeIsReportedToTheEngine)
{
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    pages.addPage(drawArea.get());
    const std::size_t reports = sim::errorMessages().size();
    EXPECT_FALSE(sim::exportImage(100000, 100000, ExportRegion_CurrentFrame).ok);
    ASSERT_EQ(reports + 1, sim::errorMessages().size());
    EXPECT_FALSE(sim::errorMessages().back().empty());
    EXPECT_EQ(0u, session.offscreen.imageCount());
}

TEST_F(ServicesTest, ScreenAndOpenGLQueriesComeFromQt)
{
    bool wasNull = true;
    const std::string version = sim::requestOpenGLVersionString(&wasNull);
    EXPECT_FALSE(wasNull);
    ASSERT_FALSE(version.empty());
    EXPECT_TRUE(version[0] >= '1' && version[0] <= '9') << version;

    int width = 0, height = 0;
    sim::requestScreenSize(&width, &height);
    EXPECT_EQ(QSize(1280, 1024), QSize(width, height)); // the display's device pixels
    double pitchX = 0.0, pitchY = 0.0;
    sim::requestDotPitch(&pitchX, &pitchY);
    EXPECT_GT(pitchX, 0.0);
    EXPECT_GT(pitchY, 0.0);
}

TEST_F(ServicesTest, ProgressShowsTheBarAndActivatesTheStopButton)
{
    QWidget window;
    QStatusBar statusBar(&window);
    QProgressBar progressBar(&window);
    QPushButton stopButton("Stop", &window);
    window.show();
    qthost::QtProgressStatusService service(&statusBar, &progressBar, &stopButton);
    service.makeCurrent();
    const qthost::QtStopButton stop(stopButton);
    EXPECT_TRUE(stop.isWidget(&stopButton));
    EXPECT_FALSE(stop.isWidget(&progressBar));

    service.finishProgressMonitor();
    EXPECT_FALSE(stop.isActive());
    EXPECT_TRUE(sim::runBusyOperation(0)); // start and finish
    EXPECT_FALSE(progressBar.isVisible());

    sim::startProgress(true, false);
    EXPECT_TRUE(progressBar.isVisible());
    EXPECT_TRUE(stop.isActive());
    sim::reportProgress(150);
    EXPECT_EQ(100, progressBar.value());
    sim::reportStatusLine("Reading data");
    EXPECT_EQ("Reading data", statusBar.currentMessage());
    sim::finishProgress();
    EXPECT_FALSE(stop.isActive());
    EXPECT_FALSE(progressBar.isVisible());
}

TEST_F(ServicesTest, MouseMovesShowRunningCoordinatesAndShiftDragsSelect)
{
    QLabel label;
    qthost::QtRunningCoordsService coordinates(&label);
    coordinates.makeCurrent();
    QRectF selected;
    qthost::QtSelectRegionService selection([&](const QRectF& rectangle, bool) { selected = rectangle; });
    selection.makeCurrent();
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    selection.showRubberBandIn(*drawArea);
    pages.addPage(drawArea.get());
    settle();

    QTest::mouseMove(drawArea.get(), QPoint(20, 30));
    settle();
    EXPECT_EQ("X: 40  Y: 60", label.text());

    QTest::mousePress(drawArea.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 40));
    QTest::mouseEvent(QTest::MouseMove, drawArea.get(), Qt::NoButton, Qt::ShiftModifier, QPoint(10, 10));
    const QRect band = selection.rubberBandGeometry();
    EXPECT_NEAR(50, band.width(), 2); // logical pixels
    EXPECT_NEAR(30, band.height(), 2);
    QTest::mouseRelease(drawArea.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
    EXPECT_TRUE(selection.rubberBandGeometry().isNull());
    settle();
    EXPECT_EQ(QRectF(20, 20, 100, 60), selected);
}

TEST_F(ServicesTest, RecentLayoutsKeepTheNewestFirstInTheMenu)
{
    QMenu menu;
    QString opened;
    qthost::QtMRULayoutService service(&menu, 2, [&](const QString& name) { opened = name; });
    service.makeCurrent();
    EXPECT_FALSE(menu.isEnabled());
    sim::reportMRULayout("a.lay");
    sim::reportMRULayout("b.lay");
    sim::reportMRULayout("a.lay");
    sim::reportMRULayout("c.lay");
    EXPECT_EQ(QStringList({"c.lay", "a.lay"}), service.layouts());
    ASSERT_EQ(2, menu.actions().size());
    menu.actions().at(1)->trigger();
    EXPECT_EQ("a.lay", opened);
}

TEST_F(ServicesTest, CursorsFollowTheEngine)
{
    qthost::QtCursorShapeService service;
    service.makeCurrent();
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    integration::PageInterface& page = pages.addPage(drawArea.get());

    sim::requestBaseCursorStyle(CursorStyle_Crosshair, page);
    EXPECT_EQ(Qt::CrossCursor, drawArea->cursor().shape());
    sim::requestWaitCursor(true);
    sim::requestWaitCursor(true);
    ASSERT_NE(nullptr, QGuiApplication::overrideCursor());
    EXPECT_EQ(Qt::WaitCursor, QGuiApplication::overrideCursor()->shape());
    sim::requestWaitCursor(false);
    EXPECT_EQ(nullptr, QGuiApplication::overrideCursor());
}

class CountingListener : public util::TimerListenerInterface
{
public:
    int expiries = 0;
    void timerExpired(util::TimerInterface&) override { ++expiries; }
};

TEST_F(ServicesTest, TimerAndIdleActionsRunFromTheEventLoop)
{
    CountingListener listener;
    qthost::QtTimer timer;
    timer.addListener(&listener);
    EXPECT_FALSE(timer.start(-1));
    ASSERT_TRUE(timer.start(5));
    QTRY_VERIFY(listener.expiries >= 2);
    timer.stop();
    const int expiries = listener.expiries;
    QTest::qWait(30);
    EXPECT_EQ(expiries, listener.expiries);

    bool ran = false;
    orvane::sdk::ui::common::OnIdleActionPerformerSingleShot action([&] { ran = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
}

TEST_F(ServicesTest, DialogLaunchersOpenTheirDialogWithoutBlocking)
{
    std::unique_ptr<QDialog> dialog(new QDialog);
    qthost::QtDialogLauncher launcher(*dialog);
    session.manager.getDialogManager().registerDialogLauncher(&launcher, 42);
    EXPECT_TRUE(sim::launchDialog(42));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(sim::launchDialog(42)); // already open: raised
    dialog.reset();
    EXPECT_TRUE(sim::launchDialog(42)); // gone: nothing to open
    session.manager.getDialogManager().registerDialogLauncher(nullptr, 42);
}

} // namespace
} // namespace qthosttest
