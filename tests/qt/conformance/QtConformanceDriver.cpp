#include "QtConformanceDriver.h"

#include "ovsdkqthost/QtGLContext.h"
#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtInputMapping.h"

#include <QEventLoop>
#include <QExposeEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using orvane::sdk::qthost::QtGLDrawArea;

namespace {

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

} // namespace

void QtConformanceDriver::processEvents()
{
    for (int round = 0; round < 2; ++round)
    {
        QEventLoop loop;
        QTimer::singleShot(3, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void QtConformanceDriver::resize(DrawArea& drawArea, int width, int height)
{
    const QPoint size = logical(drawArea, width, height);
    post(drawArea, [size](QtGLDrawArea& window) { window.resize(size.x(), size.y()); });
}

void QtConformanceDriver::expose(DrawArea& drawArea)
{
    post(drawArea, [](QtGLDrawArea& window) {
        QExposeEvent event(QRegion(QRect(QPoint(), window.size())));
        QCoreApplication::sendEvent(&window, &event);
    });
}

void QtConformanceDriver::focusIn(DrawArea& drawArea)
{
    post(drawArea, [](QtGLDrawArea& window) {
        QFocusEvent event(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&window, &event);
    });
}

void QtConformanceDriver::focusOut(DrawArea& drawArea)
{
    post(drawArea, [](QtGLDrawArea& window) {
        QFocusEvent event(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&window, &event);
    });
}

void QtConformanceDriver::destroyWindow(DrawArea& drawArea)
{
    post(drawArea, [](QtGLDrawArea& window) { window.destroy(); });
}

void QtConformanceDriver::pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers)
{
    const QPoint at = logical(drawArea, x, y);
    post(drawArea, [=](QtGLDrawArea& window) {
        QTest::mousePress(&window, orvane::sdk::qthost::toQtButton(button), qtModifiers(modifiers), at);
    });
}

void QtConformanceDriver::releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers)
{
    const QPoint at = logical(drawArea, x, y);
    post(drawArea, [=](QtGLDrawArea& window) {
        QTest::mouseRelease(&window, orvane::sdk::qthost::toQtButton(button), qtModifiers(modifiers), at);
    });
}

void QtConformanceDriver::moveMouse(DrawArea& drawArea, int x, int y, int modifiers)
{
    const QPoint at = logical(drawArea, x, y);
    post(drawArea, [=](QtGLDrawArea& window) {
        QTest::mouseEvent(QTest::MouseMove, &window, Qt::NoButton, qtModifiers(modifiers), at);
    });
}

void QtConformanceDriver::turnWheel(DrawArea& drawArea, int x, int y, int delta)
{
    const QPoint at = logical(drawArea, x, y);
    post(drawArea, [=](QtGLDrawArea& window) {
        QWheelEvent wheel(at, window.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&window, &wheel);
    });
}

void QtConformanceDriver::pressKey(DrawArea& drawArea, int key, int modifiers)
{
    post(drawArea, [=](QtGLDrawArea& window) { sendKey(window, true, key, modifiers); });
}

void QtConformanceDriver::releaseKey(DrawArea& drawArea, int key, int modifiers)
{
    post(drawArea, [=](QtGLDrawArea& window) { sendKey(window, false, key, modifiers); });
}

double QtConformanceDriver::pixelRatio(DrawArea& drawArea) { return window(drawArea).devicePixelRatio(); }

void* QtConformanceDriver::glProcAddress(const char* name)
{
    return orvane::sdk::qthost::currentContextProcAddress(name);
}

bool QtConformanceDriver::grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb)
{
    QtGLDrawArea& shown = window(drawArea);
    if (shown.screen() == nullptr || !shown.isExposed())
        return false;
    const QImage image = shown.screen()->grabWindow(shown.winId()).toImage().convertToFormat(QImage::Format_RGB888);
    width = image.width();
    height = image.height();
    rgb.clear();
    for (int row = 0; row < height; ++row)
        rgb.insert(rgb.end(), image.constScanLine(row), image.constScanLine(row) + width * 3);
    return !image.isNull();
}

QtGLDrawArea& QtConformanceDriver::window(DrawArea& drawArea) { return dynamic_cast<QtGLDrawArea&>(drawArea); }

QPoint QtConformanceDriver::logical(DrawArea& drawArea, int x, int y)
{
    const double ratio = window(drawArea).devicePixelRatio();
    return QPoint(qRound(x / ratio), qRound(y / ratio));
}

void QtConformanceDriver::post(DrawArea& drawArea, std::function<void(QtGLDrawArea&)> action)
{
    QPointer<QtGLDrawArea> target(&window(drawArea));
    QTimer::singleShot(0, target.data(), [target, action] {
        if (target)
            action(*target);
    });
}
