// The main window's tabs and the engine's pages stay in step, whichever side
// acts; a panned plot is drawn again once. The tests share one engine
// session of the demo's own, started as the demo starts it.
#include "BoundaryAccount.h"
#include "DemoSession.h"
#include "PageTabs.h"
#include "ViewChangeRedrawer.h"

#include "ovsdkqthost/QtGLDrawArea.h"

#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <sstream>
#include <utility>

namespace qtdemotest {
namespace {

namespace sim = orvane::sim;
using orvane::sdk::qthost::QtGLDrawArea;

// The session, with its account written to a string.
struct DemoTestSession
{
    DemoTestSession() : account(accountText), session(account) { EXPECT_TRUE(session.start("test_qtdemo", "/tmp")); }

    std::ostringstream accountText;
    BoundaryAccount account;
    DemoSession session;
};

class PageTabsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { shared = new DemoTestSession; }
    static void TearDownTestSuite() { delete std::exchange(shared, nullptr); }

    void SetUp() override
    {
        demo.drawAreaFactory().setPlacement(
            [this](QtGLDrawArea* drawArea, const QStringList&) { tabs.addWindow(drawArea, "engine page"); });
        tabs.resize(400, 300);
        tabs.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    }

    void TearDown() override
    {
        while (pages.getCurrentPage() != nullptr)
            pages.deletePage(*pages.getCurrentPage());
        demo.drawAreaFactory().setPlacement(nullptr);
    }

    PageTabs::Page& hostPage()
    {
        QtGLDrawArea* drawArea = new QtGLDrawArea;
        tabs.addWindow(drawArea, "host page");
        return pages.addPage(drawArea);
    }

    long long idAt(int index) { return tabs.pageAt(index)->getUniqueID(); }

    // The event loop runs and waits a few times: Qt events, idle actions and
    // the application's idle time.
    static void settle()
    {
        for (int round = 0; round < 3; ++round)
        {
            QEventLoop loop;
            QTimer::singleShot(2, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }

    static inline DemoTestSession* shared = nullptr;
    DemoSession& demo = shared->session;
    orvane::sdk::integration::PageManagerInterface& pages = demo.manager().getPageManager();
    PageTabs tabs{pages, shared->account};
};

TEST_F(PageTabsTest, PagesOfBothSidesGetTabsThatFollowTheEnginesCurrentPage)
{
    PageTabs::Page& first = hostPage();
    ASSERT_TRUE(sim::requestPage({"-layout", "sales.lay"}));
    ASSERT_EQ(2, tabs.count());
    EXPECT_EQ(&first, tabs.pageAt(0));
    EXPECT_EQ(pages.getCurrentPage(), tabs.pageAt(1));
    EXPECT_EQ(1, tabs.currentIndex());
    EXPECT_EQ(QString::fromStdString("Page " + std::to_string(idAt(1))), tabs.tabText(1));

    sim::clearCalls();
    ASSERT_TRUE(sim::makePageCurrent(first.getUniqueID()));
    EXPECT_EQ(0, tabs.currentIndex());
    EXPECT_EQ(0u, sim::countCalls("OrvUtilPageSetCurrentByUniqueID")); // no echo to the engine

    tabs.setCurrentIndex(1);
    EXPECT_EQ(idAt(1), sim::currentPageId());
}

TEST_F(PageTabsTest, APageGoingTakesItsTabAndWindowAlongWhicheverSideDeletesIt)
{
    hostPage();
    hostPage();
    hostPage();
    const QPointer<QWidget> window = tabs.widget(2);
    ASSERT_TRUE(sim::deletePage(idAt(2)));
    EXPECT_EQ(2, tabs.count());
    EXPECT_EQ(sim::currentPageId(), pages.getCurrentPage()->getUniqueID());
    EXPECT_EQ(pages.getCurrentPage(), tabs.pageAt(tabs.currentIndex()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    const long long closed = idAt(0);
    emit tabs.tabCloseRequested(0);
    EXPECT_EQ(1, tabs.count());
    EXPECT_EQ(1, pages.pageCount());
    EXPECT_EQ(nullptr, sim::findPage(closed));
}

TEST_F(PageTabsTest, APannedPageIsDrawnAgainOnceAtIdleTime)
{
    QObject redrawContext;
    ViewChangeRedrawer redrawer(demo.manager().getEventManager(), pages, [&redrawContext](std::function<void()> redraw) {
        QTimer::singleShot(0, &redrawContext, std::move(redraw));
    });
    const long long id = hostPage().getUniqueID();
    settle();
    const int framesBefore = sim::findPage(id)->framesDrawn;
    ASSERT_GT(framesBefore, 0);

    OrvUtilDispatchWorkAreaEvent(100, 100, 1, 0, FALSE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(130, 110, 1, 4, FALSE, FALSE, FALSE);
    OrvUtilDispatchWorkAreaEvent(130, 110, 1, 1, FALSE, FALSE, FALSE);
    settle();
    const int framesAfter = sim::findPage(id)->framesDrawn;
    EXPECT_EQ(framesBefore + 1, framesAfter);
    settle();
    EXPECT_EQ(framesAfter, sim::findPage(id)->framesDrawn);
}

} // namespace
} // namespace qtdemotest
