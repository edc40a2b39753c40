// A drawing area of the integration manager as a Qt window.
//
// Implements: GLDrawAreaInterface on a QWindow (OpenGL surface) with its own
// double-buffered QOpenGLContext, embeddable in a widget layout through
// QWidget::createWindowContainer.
// - State: expose (full damage on the first expose and after a resize, and
//   once more, shortly after a page was added, while the window is on
//   screen), the native window's destruction and focus-in reach the state
//   listeners first, then the signals. The window never paints by itself: it reports
//   damage and the engine draws on its next frame.
// - isValid() while the native window exists; canRender() while it is also
//   exposed, has a context and a non-empty size.
// - Sizes and mouse positions in device pixels (logical * devicePixelRatio).
// - Mouse and key input to the mouse and key listeners (with this drawing
//   area as source) and the mouse signals; buttons, modifiers and key codes
//   as QtInputMapping.h describes. Modifier keys alone are not reported.
// - A wheel rotation fires signalWheelRotated with an
//   intern::MouseWheelEvent; a vertical one is also reported as a press and
//   release of '+' (away from the user) or '-' (towards the user) through the
//   key listeners, which an engine zooms with.
// - The pages shown here are counted by an intern::GLDrawAreaPageTracker.
// Leaves to the application: where the window goes (a container widget, a
// top-level window) and when it is deleted: before the manager object,
// whose page manager its page tracker listens to.
#ifndef OVSDKQTHOST_QTGLDRAWAREA_H
#define OVSDKQTHOST_QTGLDRAWAREA_H

#include "ovsdkqthost/Export.h"
#include "ovsdkqthost/QtGLContext.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/intern/GLDrawAreaPageTracker.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEventObservable.h"

#include <QOpenGLContext>
#include <QWindow>

namespace orvane {
namespace sdk {
namespace qthost {

class OVSDKQTHOST_EXPORT QtGLDrawArea : public QWindow, public virtual integration::GLDrawAreaInterface
{
public:
    explicit QtGLDrawArea(QWindow* parent = nullptr);
    // Destroys the native window first, so that listeners hear of it (once:
    // not again when the native window was destroyed before).
    ~QtGLDrawArea() override;

    bool canRender() override;
    void getSize(int& width, int& height) override;
    integration::GLContextInterface& getGLContext() override;
    bool isValid() override;
    void addStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(integration::PageManagerInterface& manager) override;
    void addMouseListener(integration::MouseEventListenerInterface* listener) override;
    void removeMouseListener(integration::MouseEventListenerInterface* listener) override;
    void addKeyboardListener(integration::KeyEventListenerInterface* listener) override;
    void removeKeyboardListener(integration::KeyEventListenerInterface* listener) override;

    // Pages of the last page manager shown here (changes since it was set).
    int pageCount();
    // A position in device pixels, from logical window coordinates.
    QPoint toDevicePixels(const QPointF& logical) const;

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    typedef void (integration::intern::MouseEventObservable::*MouseNotification)(
        integration::MouseEventInterface&, integration::MouseEventObservableInterface&);

    void reportExposed(bool fullDamage);
    void reportDestroyed();
    void reportMouse(MouseNotification notification, MouseEventSignal& signal, Qt::MouseButton button,
                     const QMouseEvent& event);
    void reportKey(bool pressed, int hostKeyCode);

    QOpenGLContext m_context;
    QtGLContext m_glContext;
    integration::intern::MouseEventObservable m_mouseObservable;
    integration::intern::KeyEventObservable m_keyObservable;
    integration::intern::GLDrawAreaStateObservable m_stateObservable;
    integration::intern::GLDrawAreaPageTracker m_pageTracker;
    bool m_nativeWindowExists;
    // The last native window's destruction (or, without one, the object's)
    // was reported: once only.
    bool m_destroyReported;
    bool m_fullDamagePending;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTGLDRAWAREA_H
