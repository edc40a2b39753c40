// One engine session for all Qt host tests, as an application has it: the
// kit's services current, a manager started with OpenGL drawing on, and the
// kit's application event monitor. The test fixture shows drawing areas,
// lets the application idle and reads pixels back from the screen.
#ifndef TESTS_QT_QTHOSTSESSION_H
#define TESTS_QT_QTHOSTSESSION_H

#include "ovsdkqthost/QtApplicationEventMonitor.h"
#include "ovsdkqthost/QtDialogGetSimpleTextService.h"
#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtGLDrawAreaFactory.h"
#include "ovsdkqthost/QtIdleScheduler.h"
#include "ovsdkqthost/QtManagerMiscService.h"
#include "ovsdkqthost/QtMessageBoxService.h"
#include "ovsdkqthost/QtOffscreenImageService.h"

#include "integration/ManagerAbstract.h"
#include "integration/PageManagerInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

namespace qthosttest {

using namespace orvane::sdk;

class TestManager : public integration::ManagerAbstract
{
public:
    TestManager();
    qthost::QtApplicationEventMonitor& monitor();
    integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;

private:
    std::unique_ptr<qthost::QtApplicationEventMonitor> m_monitor;
};

// Made by the test program's environment before the first test; the manager
// is stopped before it goes.
class QtHostSession
{
public:
    QtHostSession();
    ~QtHostSession();
    static QtHostSession& instance();

    qthost::QtIdleScheduler idleScheduler;
    qthost::QtGLDrawAreaFactory noWindows; // no placement: engine pages get no window
    qthost::QtManagerMiscService misc;
    qthost::QtOffscreenImageService offscreen;
    qthost::QtMessageBoxService messageBox;
    qthost::QtDialogGetSimpleTextService simpleText;
    TestManager manager;
};

// A colour of the engine's plot, as a pixel of a grabbed image.
bool isColour(QRgb pixel, orvane::sim::PlotColour colour);
int countColour(const QImage& image, orvane::sim::PlotColour colour);
// Whether some pixel of column x, rows y0..y1, has the colour.
bool columnHasColour(const QImage& image, int x, int y0, int y1, orvane::sim::PlotColour colour);

class QtHostTest : public ::testing::Test
{
protected:
    QtHostSession& session = QtHostSession::instance();
    integration::PageManagerInterface& pages = session.manager.getPageManager();

    // Deletes every page the test left.
    void TearDown() override;

    // A drawing area shown on screen at `logicalSize` (at most 200 x 240) and
    // exposed.
    std::unique_ptr<qthost::QtGLDrawArea> showDrawArea(QSize logicalSize = QSize(200, 150));
    // The event loop runs and waits a few times: Qt events, idle actions and
    // the application's idle time.
    void settle();
    // What the window shows on screen now, in device pixels (without
    // processing events first).
    QImage screenPixels(qthost::QtGLDrawArea& drawArea);
    const orvane::sim::PageState& enginePage(integration::PageInterface& page);
};

} // namespace qthosttest

#endif // TESTS_QT_QTHOSTSESSION_H
