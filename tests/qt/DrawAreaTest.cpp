// The Qt drawing area: its window's state as the library sees it, input
// reaching the engine's work area, and pages when the window goes.
#include "QtHostSession.h"

#include "integration/GLDrawAreaListenerInterface.h"
#include "integration/PageInterface.h"

#include "ovsdkqthost/QtGLDrawAreaFactory.h"

#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <string>
#include <vector>

namespace qthosttest {
namespace {

namespace sim = orvane::sim;

class StateRecorder : public integration::GLDrawAreaListenerInterface
{
public:
    std::vector<std::string> heard;
    void drawAreaExposed(integration::GLDrawAreaInterface&, bool fullDamage) override
    {
        heard.push_back(fullDamage ? "exposed full" : "exposed");
    }
    void drawAreaDestroyed(integration::GLDrawAreaInterface& drawArea) override
    {
        heard.push_back(drawArea.isValid() ? "destroyed (still valid)" : "destroyed");
    }
    void drawAreaFocusGained(integration::GLDrawAreaInterface&) override { heard.push_back("focus"); }
};

class DrawAreaTest : public QtHostTest
{
};

TEST_F(DrawAreaTest, TheWindowsStateReachesListenersAndSignals)
{
    StateRecorder recorder;
    std::vector<std::string> signalled;
    qthost::QtGLDrawArea drawArea;
    drawArea.addStateListener(&recorder);
    drawArea.connectDrawAreaExposed([&](bool full) { signalled.push_back(full ? "exposed full" : "exposed"); });
    drawArea.connectDrawAreaDestroyed([&] { signalled.push_back("destroyed"); });
    drawArea.connectDrawAreaFocusGained([&] { signalled.push_back("focus"); });
    EXPECT_FALSE(drawArea.isValid());
    EXPECT_FALSE(drawArea.canRender());

    drawArea.resize(100, 80);
    drawArea.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&drawArea));
    EXPECT_TRUE(drawArea.isValid());
    EXPECT_TRUE(drawArea.canRender());
    ASSERT_FALSE(recorder.heard.empty());
    EXPECT_EQ("exposed full", recorder.heard.front());

    // A resize makes the next expose a full one (a late partial expose of
    // the first showing may still come in before it).
    recorder.heard.clear();
    drawArea.resize(120, 90);
    QTRY_VERIFY(std::find(recorder.heard.begin(), recorder.heard.end(), "exposed full") != recorder.heard.end());

    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(&drawArea, &focusIn);
    EXPECT_EQ("focus", recorder.heard.back());

    drawArea.hide();
    QTRY_VERIFY(!drawArea.isExposed());
    EXPECT_FALSE(drawArea.canRender());

    recorder.heard.clear();
    signalled.clear();
    drawArea.destroy();
    EXPECT_EQ(std::vector<std::string>{"destroyed (still valid)"}, recorder.heard);
    EXPECT_EQ(std::vector<std::string>{"destroyed"}, signalled);
    EXPECT_FALSE(drawArea.isValid());
    EXPECT_FALSE(drawArea.canRender());
}

TEST_F(DrawAreaTest, InputInTheWindowReachesTheEngineInDevicePixels)
{
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    integration::PageInterface& page = pages.addPage(drawArea.get());
    settle();
    const std::size_t before = sim::workAreaEvents().size();

    QTest::mousePress(drawArea.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    QTest::mouseMove(drawArea.get(), QPoint(50, 40));
    QTest::mouseRelease(drawArea.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
    QTest::keyClick(drawArea.get(), Qt::Key_A);
    QTest::keyClick(drawArea.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::mouseClick(drawArea.get(), Qt::RightButton, Qt::ControlModifier, QPoint(10, 10));
    settle();

    std::vector<std::string> received;
    for (std::size_t i = before; i < sim::workAreaEvents().size(); ++i)
    {
        const sim::WorkAreaEvent& e = sim::workAreaEvents()[i];
        if (e.kind == 3)
            continue; // moves without a button, wherever the pointer is
        received.push_back(std::to_string(e.kind) + " " + std::to_string(e.buttonOrKey) + " " + std::to_string(e.x) +
                           "," + std::to_string(e.y) + (e.shift ? " shift" : "") + (e.control ? " control" : ""));
    }
    // The drag moved the plot by the device-pixel distance.
    EXPECT_EQ((std::vector<std::string>{"0 1 40,60", "4 1 100,80", "1 1 100,80", "5 97 -1,-1", "5 274 -1,-1 shift",
                                        "0 3 20,20 control", "1 3 20,20 control"}),
              received);
    EXPECT_EQ(60.0, enginePage(page).view.panX);
    EXPECT_EQ(20.0, enginePage(page).view.panY);
}

TEST_F(DrawAreaTest, TheWheelIsReportedAndZoomsThroughZoomKeys)
{
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    integration::PageInterface& page = pages.addPage(drawArea.get());
    settle();
    std::vector<int> deltas;
    drawArea->connectWheelRotated([&](integration::MouseWheelEventInterface& wheel) {
        deltas.push_back(wheel.delta());
        EXPECT_EQ(QPoint(60, 40), QPoint(wheel.x(), wheel.y()));
    });

    for (int delta : {120, 120, -120})
    {
        QWheelEvent wheel(QPointF(30, 20), drawArea->mapToGlobal(QPointF(30, 20)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(drawArea.get(), &wheel);
    }
    settle();
    EXPECT_EQ((std::vector<int>{120, 120, -120}), deltas);
    EXPECT_DOUBLE_EQ(1.25, enginePage(page).view.zoom);
}

TEST_F(DrawAreaTest, ClosingAWindowDetachesItsPageOrDeletesIt)
{
    std::unique_ptr<qthost::QtGLDrawArea> kept = showDrawArea();
    std::unique_ptr<qthost::QtGLDrawArea> deleting = showDrawArea();
    integration::PageInterface& keptPage = pages.addPage(kept.get());
    integration::PageInterface& deletingPage = pages.addPage(deleting.get());
    deletingPage.setDeleteWithDrawArea(true);
    const long long deletingId = deletingPage.getUniqueID();
    EXPECT_EQ(1, kept->pageCount());
    EXPECT_EQ(2, pages.pageCount());

    kept.reset();
    EXPECT_EQ(nullptr, keptPage.getDrawArea());
    EXPECT_EQ(2, pages.pageCount());

    deleting->close(); // closing destroys the native window
    EXPECT_EQ(1, pages.pageCount());
    EXPECT_EQ(nullptr, sim::findPage(deletingId));
    EXPECT_EQ(0, deleting->pageCount());
}

TEST_F(DrawAreaTest, EngineRequestedPagesGetAWindowFromTheFactory)
{
    std::vector<std::unique_ptr<qthost::QtGLDrawArea>> placed;
    QStringList arguments;
    qthost::QtGLDrawAreaFactory factory([&](qthost::QtGLDrawArea* drawArea, const QStringList& engineArguments) {
        placed.emplace_back(drawArea);
        arguments = engineArguments;
    });
    pages.setGLDrawAreaFactory(factory);
    ASSERT_TRUE(sim::requestPage({"layout", "2"}));
    ASSERT_EQ(1u, placed.size());
    EXPECT_EQ(QStringList({"layout", "2"}), arguments);
    ASSERT_NE(nullptr, pages.getCurrentPage());
    EXPECT_EQ(placed.front().get(), pages.getCurrentPage()->getDrawArea());

    factory.setPlacement(nullptr); // no placement: a page without a window
    ASSERT_TRUE(sim::requestPage());
    EXPECT_EQ(nullptr, pages.getCurrentPage()->getDrawArea());
    pages.setGLDrawAreaFactory(session.noWindows);
}

} // namespace
} // namespace qthosttest
