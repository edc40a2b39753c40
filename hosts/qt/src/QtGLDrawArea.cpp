#include "ovsdkqthost/QtGLDrawArea.h"

#include "QtMouseEvent.h"
#include "ovsdkqthost/QtInputMapping.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseWheelEvent.h"

#include <QExposeEvent>
#include <QMouseEvent>
#include <QPlatformSurfaceEvent>
#include <QWheelEvent>

namespace orvane {
namespace sdk {
namespace qthost {

using namespace integration;

namespace {

QSurfaceFormat drawAreaFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return format;
}

} // namespace

QtGLDrawArea::QtGLDrawArea(QWindow* parent)
    : QWindow(parent),
      m_glContext(m_context, *this),
      m_stateObservable(*this),
      m_pageTracker(*this),
      m_nativeWindowExists(false),
      m_destroyReported(false),
      m_fullDamagePending(true)
{
    setSurfaceType(QWindow::OpenGLSurface);
    setFormat(drawAreaFormat());
    m_context.setFormat(drawAreaFormat());
    m_context.create();
}

QtGLDrawArea::~QtGLDrawArea()
{
    destroy();
    // A window that never had a native counterpart still lets its pages go.
    if (!m_destroyReported)
        reportDestroyed();
}

bool QtGLDrawArea::canRender()
{
    return m_nativeWindowExists && isExposed() && m_context.isValid() && width() > 0 && height() > 0;
}

void QtGLDrawArea::getSize(int& width, int& height)
{
    const QPoint size = toDevicePixels(QPointF(this->width(), this->height()));
    width = size.x();
    height = size.y();
}

GLContextInterface& QtGLDrawArea::getGLContext() { return m_glContext; }

bool QtGLDrawArea::isValid() { return m_nativeWindowExists; }

void QtGLDrawArea::addStateListener(GLDrawAreaListenerInterface* listener) { m_stateObservable.addStateListener(listener); }

void QtGLDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.removeStateListener(listener);
}

void QtGLDrawArea::setPageManager(PageManagerInterface& manager)
{
    m_pageTracker.setPageManager(manager);
    // The new page exists once the event loop runs again; a window already
    // on screen reports full damage then, so that the page gets drawn.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isExposed())
                reportExposed(true);
        },
        Qt::QueuedConnection);
}

void QtGLDrawArea::addMouseListener(MouseEventListenerInterface* listener) { m_mouseObservable.addMouseListener(listener); }

void QtGLDrawArea::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseObservable.removeMouseListener(listener);
}

void QtGLDrawArea::addKeyboardListener(KeyEventListenerInterface* listener) { m_keyObservable.addKeyboardListener(listener); }

void QtGLDrawArea::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyObservable.removeKeyboardListener(listener);
}

int QtGLDrawArea::pageCount() { return m_pageTracker.pageCount(); }

QPoint QtGLDrawArea::toDevicePixels(const QPointF& logical) const { return (logical * devicePixelRatio()).toPoint(); }

bool QtGLDrawArea::event(QEvent* event)
{
    if (event->type() == QEvent::PlatformSurface)
    {
        switch (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType())
        {
        case QPlatformSurfaceEvent::SurfaceCreated:
            m_nativeWindowExists = true;
            m_destroyReported = false;
            m_fullDamagePending = true;
            break;
        case QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed:
            // Listeners hear it while the window still exists, so that they
            // can still unregister themselves.
            if (m_nativeWindowExists)
                reportDestroyed();
            break;
        }
    }
    return QWindow::event(event);
}

void QtGLDrawArea::reportDestroyed()
{
    m_destroyReported = true;
    m_stateObservable.notifyOfDestroyed();
    signalDrawAreaDestroyed();
    m_nativeWindowExists = false;
}

void QtGLDrawArea::exposeEvent(QExposeEvent*)
{
    if (!isExposed())
        return;
    const bool fullDamage = m_fullDamagePending;
    m_fullDamagePending = false;
    reportExposed(fullDamage);
}

void QtGLDrawArea::reportExposed(bool fullDamage)
{
    m_stateObservable.notifyOfExposed(fullDamage);
    signalDrawAreaExposed(fullDamage);
}

void QtGLDrawArea::resizeEvent(QResizeEvent*) { m_fullDamagePending = true; }

void QtGLDrawArea::focusInEvent(QFocusEvent*)
{
    m_stateObservable.notifyOfFocusGained();
    signalDrawAreaFocusGained();
}

void QtGLDrawArea::reportMouse(MouseNotification notification, MouseEventSignal& signal, Qt::MouseButton button,
                               const QMouseEvent& event)
{
    const QPoint position = toDevicePixels(event.position());
    QtMouseEvent mouseEvent(toLibraryButton(button), position.x(), position.y(), toLibraryModifiers(event.modifiers()));
    (m_mouseObservable.*notification)(mouseEvent, *this);
    signal(mouseEvent);
}

void QtGLDrawArea::mousePressEvent(QMouseEvent* event)
{
    reportMouse(&intern::MouseEventObservable::notifyOfButtonPressed, signalButtonPressed, event->button(), *event);
}

void QtGLDrawArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    reportMouse(&intern::MouseEventObservable::notifyOfButtonDoublePressed, signalButtonDoublePressed,
                event->button(), *event);
}

void QtGLDrawArea::mouseReleaseEvent(QMouseEvent* event)
{
    reportMouse(&intern::MouseEventObservable::notifyOfButtonReleased, signalButtonReleased, event->button(), *event);
}

void QtGLDrawArea::mouseMoveEvent(QMouseEvent* event)
{
    reportMouse(&intern::MouseEventObservable::notifyOfMouseMoved, signalMouseMoved, Qt::NoButton, *event);
}

void QtGLDrawArea::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    const bool vertical = angle.y() != 0;
    const QPoint position = toDevicePixels(event->position());
    const Qt::MouseButtons buttons = event->buttons();
    intern::MouseWheelEvent wheel(position.x(), position.y(), vertical ? angle.y() : angle.x(),
                                  buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::MiddleButton),
                                  buttons.testFlag(Qt::RightButton),
                                  vertical ? MouseWheelEventInterface::Orientation_Vertical
                                           : MouseWheelEventInterface::Orientation_Horizontal);
    signalWheelRotated(wheel);
    if (vertical)
    {
        const int zoomKey = angle.y() > 0 ? '+' : '-';
        reportKey(true, zoomKey);
        reportKey(false, zoomKey);
    }
}

void QtGLDrawArea::reportKey(bool pressed, int hostKeyCode)
{
    intern::KeyEvent keyEvent(this, hostKeyCode);
    if (pressed)
        m_keyObservable.notifyOfKeyPressed(keyEvent, *this);
    else
        m_keyObservable.notifyOfKeyReleased(keyEvent, *this);
}

void QtGLDrawArea::keyPressEvent(QKeyEvent* event)
{
    if (!isModifierKey(*event))
        reportKey(true, hostKeyCode(*event));
}

void QtGLDrawArea::keyReleaseEvent(QKeyEvent* event)
{
    if (!isModifierKey(*event))
        reportKey(false, hostKeyCode(*event));
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
