// One engine session for all Qt host tests, as an application has it: the
// kit's services current, a manager started with OpenGL drawing on, and the
// kit's application event monitor. The test fixture shows drawing areas,
// lets the application idle and reads pixels back from the screen.
#ifndef TESTS_QT_QTHOSTSESSION_H
#define TESTS_QT_QTHOSTSESSION_H

#include "ovsdkqthost/QtApplicationEventMonitor.h"
#include "ovsdkqthost/QtGLContext.h"
#include "ovsdkqthost/QtDialogGetSimpleTextService.h"
#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtGLDrawAreaFactory.h"
#include "ovsdkqthost/QtIdleScheduler.h"
#include "ovsdkqthost/QtManagerMiscService.h"
#include "ovsdkqthost/QtMessageBoxService.h"
#include "ovsdkqthost/QtOffscreenImageService.h"

#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace qthosttest {

using namespace orvane::sdk;
namespace sim = orvane::sim;

class TestManager : public integration::ManagerAbstract
{
public:
    TestManager() : m_monitor(new qthost::QtApplicationEventMonitor(*this)) {}
    qthost::QtApplicationEventMonitor& monitor() { return *m_monitor; }
    integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return *m_monitor; }

private:
    std::unique_ptr<qthost::QtApplicationEventMonitor> m_monitor;
};

// Made by the test program's environment before the first test; the manager
// is stopped before it goes.
class QtHostSession
{
public:
    QtHostSession()
    {
        current() = this;
        misc.makeCurrent();
        offscreen.makeCurrent();
        messageBox.makeCurrent();
        simpleText.makeCurrent();
        char program[] = "test_qthost";
        char* argv[] = {program};
        EXPECT_EQ(integration::ManagerInterface::ManagerStartReturnCode_Ok, manager.init(1, argv, "/tmp"));
        EXPECT_EQ(integration::ManagerInterface::ManagerStartReturnCode_Ok, manager.start());
        sim::enableOpenGLDrawing(&qthost::currentContextProcAddress);
    }
    ~QtHostSession()
    {
        manager.stop();
        current() = nullptr;
    }
    static QtHostSession& instance() { return *current(); }

    qthost::QtIdleScheduler idleScheduler;
    qthost::QtGLDrawAreaFactory noWindows; // no placement: engine pages get no window
    qthost::QtManagerMiscService misc;
    qthost::QtOffscreenImageService offscreen;
    qthost::QtMessageBoxService messageBox;
    qthost::QtDialogGetSimpleTextService simpleText;
    TestManager manager;

private:
    static QtHostSession*& current()
    {
        static QtHostSession* session = nullptr;
        return session;
    }
};

// The pixels of a grabbed image (RGB32) that show a colour of the engine's plot.
inline int countColour(const QImage& image, sim::PlotColour colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(colour.red, colour.green, colour.blue);
    return count;
}

class QtHostTest : public ::testing::Test
{
protected:
    QtHostSession& session = QtHostSession::instance();
    integration::PageManagerInterface& pages = session.manager.getPageManager();

    // Deletes every page the test left.
    void TearDown() override
    {
        while (pages.pageCount() > 0 && pages.getCurrentPage() != nullptr)
            pages.deletePage(*pages.getCurrentPage());
        settle();
    }

    // A drawing area shown on screen at `logicalSize` (at most 200 x 240) and
    // exposed, side by side with the others so that none hides another.
    static std::unique_ptr<qthost::QtGLDrawArea> showDrawArea(QSize logicalSize = QSize(200, 150))
    {
        static int slot = 0;
        const int place = slot++ % 6;
        std::unique_ptr<qthost::QtGLDrawArea> drawArea(new qthost::QtGLDrawArea);
        drawArea->setGeometry(QRect(QPoint(place % 3 * 210, place / 3 * 250), logicalSize));
        drawArea->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(drawArea.get()));
        return drawArea;
    }
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
    // What the window shows on screen now, in device pixels (without
    // processing events first).
    static QImage screenPixels(qthost::QtGLDrawArea& drawArea)
    {
        return drawArea.screen()->grabWindow(drawArea.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    static const sim::PageState& enginePage(integration::PageInterface& page)
    {
        const sim::PageState* state = sim::findPage(page.getUniqueID());
        EXPECT_NE(nullptr, state);
        static const sim::PageState none;
        return state != nullptr ? *state : none;
    }
};

} // namespace qthosttest

#endif // TESTS_QT_QTHOSTSESSION_H
