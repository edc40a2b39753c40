// The Qt drawing area beyond what the host conformance suite checks: pages
// when the window goes and when Qt makes its native window again, windows
// for the engine's pages. (State, input with the wheel's zoom keys, sizes:
// test_qthost_conformance.)
#include "QtHostSession.h"

#include "integration/PageInterface.h"

#include "ovsdkqthost/QtGLDrawAreaFactory.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <functional>
#include <vector>

namespace qthosttest {
namespace {

class DrawAreaTest : public QtHostTest
{
protected:
    // Whether `shown` holds the page's plot: its background and its curve.
    static void expectPlot(integration::PageInterface& page, const QImage& shown)
    {
        EXPECT_GT(countColour(shown, sim::backgroundColour(page.getUniqueID())), shown.width() * shown.height() / 4);
        EXPECT_GT(countColour(shown, sim::curveColour(page.getUniqueID())), 200);
    }
};

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

    deleting->close(); // closing destroys the native window, for good once the loop runs
    settle();
    EXPECT_EQ(1, pages.pageCount());
    EXPECT_EQ(nullptr, sim::findPage(deletingId));
    EXPECT_EQ(0, deleting->pageCount());
}

TEST_F(DrawAreaTest, ANativeWindowGoneForGoodDetachesItsPageOneMadeAgainKeepsIt)
{
    QScreen* const other = QGuiApplication::screens().size() > 1 ? QGuiApplication::screens().at(1) : nullptr;
    const auto destroyNow = [](qthost::QtGLDrawArea& window) {
        window.destroy();
        EXPECT_FALSE(window.isValid() || window.canRender());
    };
    struct Case
    {
        const char* what;
        bool madeAgain;
        bool toOtherScreen;
        std::function<void(qthost::QtGLDrawArea&)> act;
    };
    const Case cases[] = {
        {"destroy()", false, false, destroyNow},
        {"destroy(), show()", true, false,
         [&](qthost::QtGLDrawArea& window) {
             destroyNow(window);
             window.show();
         }},
        // Another X screen: Qt makes the native window again.
        {"setScreen() to another screen", true, true, [&](qthost::QtGLDrawArea& window) { window.setScreen(other); }},
    };
    for (const Case& step : cases)
    {
        if (step.toOtherScreen && other == nullptr)
            continue;
        SCOPED_TRACE(step.what);
        std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
        integration::PageInterface& page = pages.addPage(drawArea.get());
        int destroyed = 0;
        drawArea->connectDrawAreaDestroyed([&] { ++destroyed; });
        settle();
        const int framesBefore = enginePage(page).framesDrawn;

        step.act(*drawArea);
        if (step.madeAgain)
        {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(drawArea.get()));
        }
        settle();
        EXPECT_EQ(step.madeAgain ? 0 : 1, destroyed);
        EXPECT_EQ(step.madeAgain ? drawArea.get() : nullptr, page.getDrawArea());
        EXPECT_EQ(step.madeAgain, drawArea->isValid() && drawArea->canRender());
        if (!step.madeAgain)
            continue;
        EXPECT_EQ(drawArea->screen(), dynamic_cast<qthost::QtGLContext&>(drawArea->getGLContext()).context().screen());
        EXPECT_GT(enginePage(page).framesDrawn, framesBefore);
        expectPlot(page, screenPixels(*drawArea));
    }
    if (other == nullptr)
        GTEST_SKIP() << "the move to another screen needs a second X screen (ctest runs this program on Xvfb with "
                        "-screen 0 and -screen 1)";
}

TEST_F(DrawAreaTest, AnAreaInAContainerKeepsDrawingWhenItsTopLevelChanges)
{
    struct Change
    {
        const char* what;
        // Changes the top-level holding the container; returns the one that holds it then.
        std::function<QWidget&(QWidget& topLevel, QWidget& other, QWidget& container)> apply;
    };
    const Change changes[] = {
        {"new window flags (Qt makes a new top-level native window)",
         [](QWidget& topLevel, QWidget&, QWidget&) -> QWidget& {
             topLevel.setWindowFlags(topLevel.windowFlags() | Qt::WindowStaysOnTopHint);
             return topLevel;
         }},
        {"the container moved to another top-level",
         [](QWidget&, QWidget& other, QWidget& container) -> QWidget& {
             other.layout()->addWidget(&container);
             return other;
         }},
    };
    for (const Change& change : changes)
    {
        SCOPED_TRACE(change.what);
        QWidget topLevel;
        QWidget other;
        qthost::QtGLDrawArea* drawArea = new qthost::QtGLDrawArea;
        QWidget* container = QWidget::createWindowContainer(drawArea);
        (new QHBoxLayout(&topLevel))->addWidget(container);
        new QHBoxLayout(&other);
        topLevel.setGeometry(10, 10, 200, 150);
        other.setGeometry(220, 10, 200, 150);
        topLevel.show();
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&topLevel) && QTest::qWaitForWindowExposed(&other));
        integration::PageInterface& page = pages.addPage(drawArea);
        settle();

        QWidget& holder = change.apply(topLevel, other, *container);
        holder.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
        settle();
        EXPECT_EQ(drawArea, page.getDrawArea());
        EXPECT_TRUE(drawArea->isValid() && drawArea->canRender());
        // What the user sees where the container is.
        const qreal ratio = holder.devicePixelRatio();
        const QRect area(container->mapTo(&holder, QPoint()) * ratio, container->size() * ratio);
        expectPlot(page, holder.screen()
                             ->grabWindow(holder.windowHandle()->winId())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32)
                             .copy(area));
    }
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
