// Frames and interrupted frames drawn by the engine with real OpenGL,
// checked by their pixels, and an export that cannot be made. (An export's
// pixels: test_headless_qt_comparison.)
#include "QtHostSession.h"

#include "integration/InterruptedPlotRepairer.h"
#include "integration/PageInterface.h"

#include <boost/make_shared.hpp>

#include <QCoreApplication>
#include <QKeyEvent>

namespace qthosttest {
namespace {

class FrameTest : public QtHostTest
{
};

TEST_F(FrameTest, AnInterruptedFrameLeavesThePreviousPictureUntilTheRepair)
{
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    integration::PageInterface& page = pages.addPage(drawArea.get());
    pages.pushPageRenderDecider(boost::make_shared<integration::InterruptedPlotRepairer>());
    page.redraw();
    // The plot at device-pixel size: the y axis at x = 40, the x axis at
    // y = height - 40, the curve, the name in the top-left corner.
    const QImage before = screenPixels(*drawArea);
    ASSERT_EQ(QSize(400, 300), before.size());
    ASSERT_TRUE(columnHasColour(before, 40, 60, 60, sim::AxisColour) ||
                columnHasColour(before, 39, 60, 60, sim::AxisColour));
    EXPECT_TRUE(columnHasColour(before, 200, 258, 261, sim::AxisColour));
    EXPECT_TRUE(isColour(before.pixel(395, 5), sim::backgroundColour(page.getUniqueID())));
    EXPECT_GT(countColour(before, sim::curveColour(page.getUniqueID())), 300);
    EXPECT_GT(countColour(before.copy(0, 0, 100, 30), sim::NameColour), 20);

    // A drag moves the plot 100 device pixels to the right; the user
    // presses Escape while the next frame is drawn.
    OrvUtilDispatchWorkAreaEvent(100, 100, 1, 0, FALSE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(200, 100, 1, 4, FALSE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(200, 100, 1, 1, FALSE, FALSE, FALSE);
    sim::setFrameBusySteps(1);
    QCoreApplication::postEvent(drawArea.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    const int framesBefore = enginePage(page).framesDrawn;
    page.redraw();
    sim::setFrameBusySteps(0);
    EXPECT_TRUE(sim::interruptFlag());

    EXPECT_EQ(framesBefore + 1, enginePage(page).framesDrawn);
    EXPECT_EQ(before, screenPixels(*drawArea));

    settle(); // the repair redraws the page at idle time
    const QImage repaired = screenPixels(*drawArea);
    EXPECT_GT(enginePage(page).framesDrawn, framesBefore + 1);
    EXPECT_TRUE(columnHasColour(repaired, 140, 60, 60, sim::AxisColour) ||
                columnHasColour(repaired, 139, 60, 60, sim::AxisColour));
    EXPECT_FALSE(columnHasColour(repaired, 40, 60, 60, sim::AxisColour));
    pages.popPageRenderDecider();
}

TEST_F(FrameTest, AnImageThatCannotBeMadeIsReportedToTheEngine)
{
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    pages.addPage(drawArea.get());
    const std::size_t reports = sim::errorMessages().size();
    EXPECT_FALSE(sim::exportImage(100000, 100000, ExportRegion_CurrentFrame).ok);
    ASSERT_EQ(reports + 1, sim::errorMessages().size());
    EXPECT_FALSE(sim::errorMessages().back().empty());
    EXPECT_EQ(0u, session.offscreen.imageCount());
}

} // namespace
} // namespace qthosttest
