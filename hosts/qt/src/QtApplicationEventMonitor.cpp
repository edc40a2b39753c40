#include "ovsdkqthost/QtApplicationEventMonitor.h"

#include "HostDiagnostics.h"
#include "HostTrace.h"
#include "QtWheelEvent.h"
#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtInputMapping.h"

#include "integration/intern/MouseEvent.h"

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

intern::MouseAndKeyListenerSets::MouseAction_e mouseAction(QEvent::Type type)
{
    switch (type)
    {
    case QEvent::MouseButtonPress: return intern::MouseAndKeyListenerSets::MouseAction_Pressed;
    case QEvent::MouseButtonDblClick: return intern::MouseAndKeyListenerSets::MouseAction_DoublePressed;
    case QEvent::MouseButtonRelease: return intern::MouseAndKeyListenerSets::MouseAction_Released;
    default: return intern::MouseAndKeyListenerSets::MouseAction_Moved;
    }
}

QPoint devicePixels(const QWindow& window, const QPointF& position)
{
    return (position * window.devicePixelRatio()).toPoint();
}

} // namespace

QtApplicationEventMonitor::QtApplicationEventMonitor(ManagerInterface& manager)
    : EventLoopMonitorAbstract(manager)
{
    hostcommon::setUpHostDiagnostics();
    hostcommon::beginHostTrace();
    QCoreApplication::instance()->installEventFilter(this);
    m_aboutToBlock = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                      this, [this] { reportIdle(); });
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

void QtApplicationEventMonitor::stopObserving()
{
    QObject::disconnect(m_aboutToBlock);
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

void QtApplicationEventMonitor::processLoopEvents()
{
    const CurrentContextKeeper currentContext;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtApplicationEventMonitor::engineInterrupted() {}

bool QtApplicationEventMonitor::eventFilter(QObject* watched, QEvent* event)
{
    if (!isMonitoring())
        return false;
    // The focus widget's own timer is its text cursor blinking.
    if (event->type() == QEvent::Timer && watched->isWidgetType() && watched != QApplication::focusWidget())
    {
        signalWidgetChangeDuetoTimerEvent();
        return false;
    }
    if (event->type() == QEvent::Close && watched->isWindowType() && isInBusyPass())
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
    if (!isInBusyPass())
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
        reportKey(type == QEvent::KeyPress, hostKeyCode(key));
        return;
    }
    if (type == QEvent::Wheel)
    {
        const QWheelEvent& wheel = static_cast<QWheelEvent&>(event);
        intern::MouseWheelEvent wheelEvent = wheelEventOf(wheel, devicePixels(window, wheel.position()));
        signalWheelRotated(wheelEvent);
        return;
    }
    const QMouseEvent& mouse = static_cast<QMouseEvent&>(event);
    const QPoint position = devicePixels(window, mouse.position());
    const MouseEventInterface::MouseButton_e button = toLibraryButton(type == QEvent::MouseMove ? Qt::NoButton : mouse.button());
    intern::MouseEvent mouseEvent(this, button, position.x(), position.y(), toLibraryModifiers(mouse.modifiers()));
    reportMouse(mouseAction(type), mouseEvent);
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
