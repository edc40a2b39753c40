#include "QtHostSession.h"

#include "ovsdkqthost/QtGLContext.h"

#include "integration/PageInterface.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace qthosttest {

namespace sim = orvane::sim;

TestManager::TestManager() : m_monitor(new qthost::QtApplicationEventMonitor(*this)) {}

qthost::QtApplicationEventMonitor& TestManager::monitor() { return *m_monitor; }

integration::ApplicationEventMonitorInterface& TestManager::getApplicationEventMonitor() { return *m_monitor; }

namespace {

QtHostSession* current = nullptr;

} // namespace

QtHostSession::QtHostSession()
{
    current = this;
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

QtHostSession::~QtHostSession()
{
    manager.stop();
    current = nullptr;
}

QtHostSession& QtHostSession::instance() { return *current; }

bool isColour(QRgb pixel, sim::PlotColour colour)
{
    return qRed(pixel) == colour.red && qGreen(pixel) == colour.green && qBlue(pixel) == colour.blue;
}

int countColour(const QImage& image, sim::PlotColour colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isColour(image.pixel(x, y), colour) ? 1 : 0;
    return count;
}

bool columnHasColour(const QImage& image, int x, int y0, int y1, sim::PlotColour colour)
{
    for (int y = y0; y <= y1; ++y)
        if (isColour(image.pixel(x, y), colour))
            return true;
    return false;
}

void QtHostTest::TearDown()
{
    while (pages.pageCount() > 0 && pages.getCurrentPage() != nullptr)
        pages.deletePage(*pages.getCurrentPage());
    settle();
}

std::unique_ptr<qthost::QtGLDrawArea> QtHostTest::showDrawArea(QSize logicalSize)
{
    // Side by side, so that no window hides another on the screen.
    static int slot = 0;
    const int place = slot++ % 6;
    std::unique_ptr<qthost::QtGLDrawArea> drawArea(new qthost::QtGLDrawArea);
    drawArea->setGeometry(QRect(QPoint(place % 3 * 210, place / 3 * 250), logicalSize));
    drawArea->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(drawArea.get()));
    return drawArea;
}

void QtHostTest::settle()
{
    for (int round = 0; round < 3; ++round)
    {
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

QImage QtHostTest::screenPixels(qthost::QtGLDrawArea& drawArea)
{
    return drawArea.screen()->grabWindow(drawArea.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

const sim::PageState& QtHostTest::enginePage(integration::PageInterface& page)
{
    const sim::PageState* state = sim::findPage(page.getUniqueID());
    EXPECT_NE(nullptr, state);
    static const sim::PageState none;
    return state != nullptr ? *state : none;
}

} // namespace qthosttest
