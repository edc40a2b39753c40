// The Qt drawing area beyond what the host conformance suite checks: the
// wheel zooming through zoom keys, pages when the window goes, windows for
// the engine's pages. (State, input, sizes: test_qthost_conformance.)
#include "QtHostSession.h"

#include "integration/PageInterface.h"

#include "ovsdkqthost/QtGLDrawAreaFactory.h"

#include <QTest>
#include <QWheelEvent>

#include <vector>

namespace qthosttest {
namespace {

namespace sim = orvane::sim;

class DrawAreaTest : public QtHostTest
{
};

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
