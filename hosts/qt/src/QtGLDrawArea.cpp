#include "ovsdkqthost/QtGLDrawArea.h"

#include "QtWheelEvent.h"
#include "ovsdkqthost/QtInputMapping.h"

#include "integration/intern/MouseEvent.h"

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
      m_fullDamagePending(true),
      m_hiddenThisTurn(false),
      m_shownBeforeLoss(false),
      m_screenBeforeLoss(nullptr),
      m_parentWhenMade(nullptr),
      m_parentNativeWindow(0)
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
                m_stateObservable.reportExposed(true);
        },
        Qt::QueuedConnection);
}

int QtGLDrawArea::pageCount() { return m_pageTracker.pageCount(); }

QPoint QtGLDrawArea::toDevicePixels(const QPointF& logical) const { return (logical * devicePixelRatio()).toPoint(); }

bool QtGLDrawArea::event(QEvent* event)
{
    switch (event->type())
    {
    case QEvent::PlatformSurface:
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated)
            nativeWindowCreated();
        else
            nativeWindowGoing();
        break;
    case QEvent::Hide:
        // Qt hides a window before it destroys its native window to re-create
        // it elsewhere: remember that it was shown, until the event loop runs.
        if (!m_hiddenThisTurn)
        {
            m_hiddenThisTurn = true;
            QMetaObject::invokeMethod(this, [this] { m_hiddenThisTurn = false; }, Qt::QueuedConnection);
        }
        break;
    case QEvent::Show:
        // Shown again: the parent's native window may have been re-created
        // without this one (a top-level widget whose window flags changed).
        QMetaObject::invokeMethod(this, [this] { recreateIfOrphaned(); }, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QWindow::event(event);
}

void QtGLDrawArea::nativeWindowCreated()
{
    m_nativeWindowExists = true;
    m_destroyReported = false;
    m_fullDamagePending = true;
    m_parentWhenMade = parent();
    m_parentNativeWindow = parentNativeWindow();
    // A context made for another screen cannot draw here: make a new one.
    if (!m_context.isValid() || m_context.screen() != screen())
    {
        if (QOpenGLContext::currentContext() == &m_context)
            m_context.doneCurrent();
        m_context.setScreen(screen());
        m_context.create();
    }
}

void QtGLDrawArea::nativeWindowGoing()
{
    if (!m_nativeWindowExists)
        return;
    // Invalid from now on; whether the drawing area is destroyed is decided
    // once the event loop runs again: Qt re-creates a native window (another
    // screen, another parent) before it returns to the event loop.
    m_nativeWindowExists = false;
    m_shownBeforeLoss = m_hiddenThisTurn || isVisible();
    m_screenBeforeLoss = screen();
    QMetaObject::invokeMethod(this, [this] { settleNativeWindow(); }, Qt::QueuedConnection);
}

void QtGLDrawArea::settleNativeWindow()
{
    if (!m_nativeWindowExists)
    {
        if (!m_destroyReported)
            reportDestroyed();
        return;
    }
    // Moved to another screen, Qt leaves the new native window hidden.
    if (m_shownBeforeLoss && !isVisible() && screen() != m_screenBeforeLoss)
        setVisible(true);
    m_shownBeforeLoss = false;
}

void QtGLDrawArea::recreateIfOrphaned()
{
    if (!m_nativeWindowExists || !isVisible() || parentNativeWindow() == m_parentNativeWindow)
        return;
    if (parent() != m_parentWhenMade)
    {
        // Given another parent (QWindow::setParent, a container moved to
        // another top-level): Qt moved the native window with it.
        m_parentWhenMade = parent();
        m_parentNativeWindow = parentNativeWindow();
        return;
    }
    // The same parent with a new native window: this one went with the old
    // one. Make a new one in it, in one go, so that it is no destruction.
    destroy();
    setVisible(true);
}

WId QtGLDrawArea::parentNativeWindow() const
{
    const QWindow* const parentWindow = parent();
    return parentWindow != nullptr && parentWindow->handle() != nullptr ? parentWindow->winId() : 0;
}

void QtGLDrawArea::reportDestroyed()
{
    m_destroyReported = true;
    m_nativeWindowExists = false;
    m_stateObservable.reportDestroyed();
}

void QtGLDrawArea::exposeEvent(QExposeEvent*) { reportExposeIfShown(); }

void QtGLDrawArea::reportExposeIfShown()
{
    if (!isExposed())
        return;
    const bool fullDamage = m_fullDamagePending;
    m_fullDamagePending = false;
    m_stateObservable.reportExposed(fullDamage);
}


void QtGLDrawArea::resizeEvent(QResizeEvent*)
{
    m_fullDamagePending = true;
    // The window system need not expose a resized window (a shrink, a new
    // part that another window covers), yet all of it must be drawn again.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_fullDamagePending)
                reportExposeIfShown();
        },
        Qt::QueuedConnection);
}

void QtGLDrawArea::focusInEvent(QFocusEvent*) { m_stateObservable.reportFocusGained(); }

void QtGLDrawArea::reportMouse(MouseAction_e action, Qt::MouseButton button, const QMouseEvent& event)
{
    const QPoint position = toDevicePixels(event.position());
    intern::MouseEvent mouseEvent(this, toLibraryButton(button), position.x(), position.y(),
                                  toLibraryModifiers(event.modifiers()));
    MouseAndKeyListenerSets::reportMouse(action, mouseEvent);
}

void QtGLDrawArea::mousePressEvent(QMouseEvent* event) { reportMouse(MouseAction_Pressed, event->button(), *event); }

void QtGLDrawArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    reportMouse(MouseAction_DoublePressed, event->button(), *event);
}

void QtGLDrawArea::mouseReleaseEvent(QMouseEvent* event) { reportMouse(MouseAction_Released, event->button(), *event); }

void QtGLDrawArea::mouseMoveEvent(QMouseEvent* event) { reportMouse(MouseAction_Moved, Qt::NoButton, *event); }

void QtGLDrawArea::wheelEvent(QWheelEvent* event)
{
    intern::MouseWheelEvent wheel = wheelEventOf(*event, toDevicePixels(event->position()));
    reportWheel(wheel);
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
