// The Qt kit checked by the host conformance suite, as a host project on
// another toolkit checks its own: ctest runs it under xvfb-run at the
// screen's pixel ratio and again with QT_SCALE_FACTOR=2.
//
// The driver plays the window system and the user with QTest's synthetic
// input and window events, posted to the event loop so that they wait there
// as the window system's events do; screen pixels come from the X server,
// OpenGL functions from the current Qt context. The factory shows the kit's
// drawing areas side by side and gives its monitor, miscellaneous and
// offscreen image services and its idle scheduler.
#include "ovsdkhostconformance/HostConformance.h"
#include "ovsdkhostconformance/HostDriver.h"
#include "ovsdkhostconformance/HostFactory.h"
#include "ovsdkqthost/QtApplicationEventMonitor.h"
#include "ovsdkqthost/QtGLContext.h"
#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtIdleScheduler.h"
#include "ovsdkqthost/QtInputMapping.h"
#include "ovsdkqthost/QtManagerMiscService.h"
#include "ovsdkqthost/QtOffscreenImageService.h"

#include <QApplication>
#include <QEventLoop>
#include <QExposeEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace orvane::sdk;
using qthost::QtGLDrawArea;

Qt::KeyboardModifiers qtModifiers(int modifiers)
{
    Qt::KeyboardModifiers result;
    result.setFlag(Qt::ShiftModifier, (modifiers & 1) != 0);
    result.setFlag(Qt::ControlModifier, (modifiers & 2) != 0);
    result.setFlag(Qt::AltModifier, (modifiers & 4) != 0);
    return result;
}

void sendKey(QtGLDrawArea& window, bool press, int key, int modifiers)
{
    const QTest::KeyAction action = press ? QTest::Press : QTest::Release;
    if (key == 27)
        QTest::keyEvent(action, &window, Qt::Key_Escape, qtModifiers(modifiers));
    else
        QTest::keyEvent(action, &window, char(key), qtModifiers(modifiers));
}

class QtConformanceDriver : public hostconformance::HostDriver
{
public:
    void processEvents() override
    {
        for (int round = 0; round < 2; ++round)
        {
            QEventLoop loop;
            QTimer::singleShot(3, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    void resize(DrawArea& drawArea, int width, int height) override
    {
        const QPoint size = logical(drawArea, width, height);
        post(drawArea, [size](QtGLDrawArea& window) { window.resize(size.x(), size.y()); });
    }
    void expose(DrawArea& drawArea) override
    {
        post(drawArea, [](QtGLDrawArea& window) {
            QExposeEvent event(QRegion(QRect(QPoint(), window.size())));
            QCoreApplication::sendEvent(&window, &event);
        });
    }
    void focusIn(DrawArea& drawArea) override { focus(drawArea, QEvent::FocusIn); }
    void focusOut(DrawArea& drawArea) override { focus(drawArea, QEvent::FocusOut); }
    void destroyWindow(DrawArea& drawArea) override
    {
        post(drawArea, [](QtGLDrawArea& window) { window.destroy(); });
    }
    void pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override
    {
        const QPoint at = logical(drawArea, x, y);
        post(drawArea, [=](QtGLDrawArea& window) {
            QTest::mousePress(&window, qthost::toQtButton(button), qtModifiers(modifiers), at);
        });
    }
    void releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override
    {
        const QPoint at = logical(drawArea, x, y);
        post(drawArea, [=](QtGLDrawArea& window) {
            QTest::mouseRelease(&window, qthost::toQtButton(button), qtModifiers(modifiers), at);
        });
    }
    void moveMouse(DrawArea& drawArea, int x, int y, int modifiers) override
    {
        const QPoint at = logical(drawArea, x, y);
        post(drawArea, [=](QtGLDrawArea& window) {
            QTest::mouseEvent(QTest::MouseMove, &window, Qt::NoButton, qtModifiers(modifiers), at);
        });
    }
    void turnWheel(DrawArea& drawArea, int x, int y, int delta) override
    {
        const QPoint at = logical(drawArea, x, y);
        post(drawArea, [=](QtGLDrawArea& window) {
            QWheelEvent wheel(at, window.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&window, &wheel);
        });
    }
    void pressKey(DrawArea& drawArea, int key, int modifiers) override
    {
        post(drawArea, [=](QtGLDrawArea& window) { sendKey(window, true, key, modifiers); });
    }
    void releaseKey(DrawArea& drawArea, int key, int modifiers) override
    {
        post(drawArea, [=](QtGLDrawArea& window) { sendKey(window, false, key, modifiers); });
    }
    double pixelRatio(DrawArea& drawArea) override { return window(drawArea).devicePixelRatio(); }
    void* glProcAddress(const char* name) override { return qthost::currentContextProcAddress(name); }
    bool grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb) override
    {
        QtGLDrawArea& shown = window(drawArea);
        if (shown.screen() == nullptr || !shown.isExposed())
            return false;
        const QImage image =
            shown.screen()->grabWindow(shown.winId()).toImage().convertToFormat(QImage::Format_RGB888);
        width = image.width();
        height = image.height();
        rgb.clear();
        for (int row = 0; row < height; ++row)
            rgb.insert(rgb.end(), image.constScanLine(row), image.constScanLine(row) + width * 3);
        return !image.isNull();
    }

private:
    static QtGLDrawArea& window(DrawArea& drawArea) { return dynamic_cast<QtGLDrawArea&>(drawArea); }
    // Logical window coordinates of a position in device pixels.
    static QPoint logical(DrawArea& drawArea, int x, int y)
    {
        const double ratio = window(drawArea).devicePixelRatio();
        return QPoint(qRound(x / ratio), qRound(y / ratio));
    }
    static void focus(DrawArea& drawArea, QEvent::Type type)
    {
        post(drawArea, [type](QtGLDrawArea& window) {
            QFocusEvent event(type, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(&window, &event);
        });
    }
    // Runs `action` on the window once the event loop gets to it.
    static void post(DrawArea& drawArea, std::function<void(QtGLDrawArea&)> action)
    {
        QPointer<QtGLDrawArea> target(&window(drawArea));
        QTimer::singleShot(0, target.data(), [target, action] {
            if (target)
                action(*target);
        });
    }
};

class QtConformanceFactory : public hostconformance::HostFactory
{
public:
    std::unique_ptr<integration::GLDrawAreaInterface> createDrawArea(int width, int height) override
    {
        // Six places side by side (in device pixels), taken in turn.
        const int place = m_placed++ % 6;
        std::unique_ptr<QtGLDrawArea> drawArea(new QtGLDrawArea);
        const double ratio = drawArea->devicePixelRatio();
        drawArea->setGeometry(QRect(QPoint(qRound(place % 3 * 330 / ratio), qRound(place / 3 * 260 / ratio)),
                                    QSize(qRound(width / ratio), qRound(height / ratio))));
        drawArea->show();
        if (!QTest::qWaitForWindowExposed(drawArea.get()))
            return nullptr;
        return drawArea;
    }
    std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        integration::ManagerInterface& manager) override
    {
        return std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract>(
            new qthost::QtApplicationEventMonitor(manager));
    }
    std::unique_ptr<integration::services::ManagerMiscServiceAbstract> createMiscService() override
    {
        return std::unique_ptr<integration::services::ManagerMiscServiceAbstract>(new qthost::QtManagerMiscService);
    }
    std::unique_ptr<integration::services::OffscreenImageServiceAbstract> createOffscreenImageService() override
    {
        return std::unique_ptr<integration::services::OffscreenImageServiceAbstract>(
            new qthost::QtOffscreenImageService);
    }
    hostconformance::HostDriver& driver() override { return m_driver; }

private:
    qthost::QtIdleScheduler m_idleScheduler;
    QtConformanceDriver m_driver;
    int m_placed = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QtConformanceFactory factory;
    hostconformance::HostConformance::registerTests(factory);
    return RUN_ALL_TESTS();
}
