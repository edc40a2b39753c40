#include "ovsdkqthost/QtApplicationEventMonitor.h"

#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "QtMouseEvent.h"
#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtInputMapping.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseWheelEvent.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QOpenGLContext>
#include <QPointer>
#include <QSurface>
#include <QWheelEvent>
#include <QWidget>

namespace orvane {
namespace sdk {
namespace qthost {

using namespace integration;

namespace {

const int EscapeKey = 27;

bool isInput(QEvent::Type type)
{
    switch (type)
    {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel: return true;
    default: return false;
    }
}

// Sets a flag for the lifetime of the object, however the scope is left.
class FlagScope
{
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

// Keeps the OpenGL context current at its construction, with its surface:
// the events processed meanwhile may make another one current (a widget
// repainting itself does), and the engine, in the middle of a frame, goes
// on drawing into whatever is current when the busy pass returns. A context
// or surface destroyed meanwhile is not brought back.
class CurrentContextKeeper
{
public:
    CurrentContextKeeper() : m_context(QOpenGLContext::currentContext()), m_surface(nullptr)
    {
        if (m_context != nullptr)
        {
            m_surface = m_context->surface();
            m_surfaceObject = dynamic_cast<QObject*>(m_surface);
        }
    }
    ~CurrentContextKeeper()
    {
        if (m_context.isNull() || m_surfaceObject.isNull() || m_surface->surfaceHandle() == nullptr)
            return;
        if (QOpenGLContext::currentContext() != m_context || m_context->surface() != m_surface)
            m_context->makeCurrent(m_surface);
    }
    CurrentContextKeeper(const CurrentContextKeeper&) = delete;
    CurrentContextKeeper& operator=(const CurrentContextKeeper&) = delete;

private:
    QPointer<QOpenGLContext> m_context;
    QSurface* m_surface;
    QPointer<QObject> m_surfaceObject; // m_surface as the object it is, to know it still exists
};

QPoint devicePixels(const QWindow& window, const QPointF& position)
{
    return (position * window.devicePixelRatio()).toPoint();
}

} // namespace

QtApplicationEventMonitor::QtApplicationEventMonitor(ManagerInterface& manager)
    : ApplicationEventMonitorAbstract(manager),
      m_monitoring(true),
      m_inBusyPass(false),
      m_reportingIdle(false),
      m_engineWasBusy(false)
{
    hostcommon::setUpHostDiagnostics();
    hostcommon::beginHostTrace();
    QCoreApplication::instance()->installEventFilter(this);
    m_aboutToBlock = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                      this, [this] { applicationIdle(); });
}

QtApplicationEventMonitor::~QtApplicationEventMonitor()
{
    stopMonitoring();
    hostcommon::endHostTrace();
}

bool QtApplicationEventMonitor::isReady()
{
    QOpenGLContext context;
    return context.create();
}

bool QtApplicationEventMonitor::stopMonitoring()
{
    if (m_monitoring)
    {
        m_monitoring = false;
        QObject::disconnect(m_aboutToBlock);
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::instance()->removeEventFilter(this);
    }
    return true;
}

void QtApplicationEventMonitor::processPendingEvents()
{
    m_engineWasBusy = true;
    const FlagScope busyPass(m_inBusyPass);
    const CurrentContextKeeper currentContext;
    // Nothing may leave towards the engine's C code.
    try
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    catch (...)
    {
    }
}

void QtApplicationEventMonitor::engineInterrupted() {}

bool QtApplicationEventMonitor::interruptDeferred() const { return m_interruptDeferred; }

bool QtApplicationEventMonitor::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_monitoring)
        return false;
    // The focus widget's own timer is its text cursor blinking.
    if (event->type() == QEvent::Timer && watched->isWidgetType() && watched != QApplication::focusWidget())
    {
        signalWidgetChangeDuetoTimerEvent();
        return false;
    }
    if (event->type() == QEvent::Close && watched->isWindowType() && m_inBusyPass)
    {
        event->ignore();
        return true;
    }
    // Input reaches its window first: reported there, once.
    if (!watched->isWindowType() || !isInput(event->type()))
        return false;
    QWindow& window = *static_cast<QWindow*>(watched);
    const void* receiver = receiverOf(window, *event);
    const bool toStopButton = isStopButton(receiver);
    signalProcessingNewEvent(EventReceiverInfo{receiver, !toStopButton});
    report(window, *event);
    if (!m_inBusyPass)
        return false;
    if (toStopButton)
    {
        if (event->type() == QEvent::MouseButtonRelease)
            reportStopButtonClick();
        return false;
    }
    return dynamic_cast<QtGLDrawArea*>(&window) == nullptr;
}

const void* QtApplicationEventMonitor::receiverOf(QWindow& window, QEvent& event) const
{
    if (dynamic_cast<QtGLDrawArea*>(&window) != nullptr)
        return &window;
    QWidget* widget = nullptr;
    if (event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease)
        widget = QApplication::focusWidget();
    else
        widget = QApplication::widgetAt(static_cast<QSinglePointEvent&>(event).globalPosition().toPoint());
    return widget != nullptr ? static_cast<const void*>(widget) : static_cast<const void*>(&window);
}

void QtApplicationEventMonitor::report(QWindow& window, QEvent& event)
{
    const QEvent::Type type = event.type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
    {
        const QKeyEvent& key = static_cast<QKeyEvent&>(event);
        if (isModifierKey(key))
            return;
        intern::KeyEvent keyEvent(this, hostKeyCode(key));
        if (type == QEvent::KeyPress)
            notifyOfKeyPressed(keyEvent);
        else
            notifyOfKeyReleased(keyEvent);
        return;
    }
    if (type == QEvent::Wheel)
    {
        const QWheelEvent& wheel = static_cast<QWheelEvent&>(event);
        const QPoint position = devicePixels(window, wheel.position());
        const bool vertical = wheel.angleDelta().y() != 0;
        intern::MouseWheelEvent wheelEvent(
            position.x(), position.y(), vertical ? wheel.angleDelta().y() : wheel.angleDelta().x(),
            wheel.buttons().testFlag(Qt::LeftButton), wheel.buttons().testFlag(Qt::MiddleButton),
            wheel.buttons().testFlag(Qt::RightButton),
            vertical ? MouseWheelEventInterface::Orientation_Vertical : MouseWheelEventInterface::Orientation_Horizontal);
        signalWheelRotated(wheelEvent);
        return;
    }
    const QMouseEvent& mouse = static_cast<QMouseEvent&>(event);
    const QPoint position = devicePixels(window, mouse.position());
    const MouseEventInterface::MouseButton_e button = toLibraryButton(type == QEvent::MouseMove ? Qt::NoButton : mouse.button());
    QtMouseEvent mouseEvent(button, position.x(), position.y(), toLibraryModifiers(mouse.modifiers()));
    switch (type)
    {
    case QEvent::MouseButtonPress:
        signalMouseButtonStateChanged(button, true);
        notifyOfButtonPressed(mouseEvent);
        break;
    case QEvent::MouseButtonDblClick: notifyOfButtonDoublePressed(mouseEvent); break;
    case QEvent::MouseButtonRelease:
        signalMouseButtonStateChanged(button, false);
        notifyOfButtonReleased(mouseEvent);
        break;
    default: notifyOfMouseMoved(mouseEvent); break;
    }
}

void QtApplicationEventMonitor::reportStopButtonClick()
{
    intern::KeyEvent escape(this, EscapeKey);
    notifyOfKeyPressed(escape);
}

void QtApplicationEventMonitor::applicationIdle()
{
    if (!m_monitoring || m_inBusyPass || m_reportingIdle || isBusy())
        return;
    const FlagScope reporting(m_reportingIdle);
    if (m_engineWasBusy)
    {
        m_engineWasBusy = false;
        signalEngineIsNoLongerBusy();
    }
    notifyOfIdle(*this);
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
