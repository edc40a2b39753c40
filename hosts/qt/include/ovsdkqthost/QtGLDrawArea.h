#ifndef OVSDKQTHOST_QTGLDRAWAREA_H
#define OVSDKQTHOST_QTGLDRAWAREA_H

#include "ovsdkqthost/Export.h"
#include "ovsdkqthost/QtGLContext.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/intern/GLDrawAreaPageTracker.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/MouseAndKeyListenerSets.h"

#include <QOpenGLContext>
#include <QWindow>

namespace orvane {
namespace sdk {
namespace qthost {

// A drawing area of the integration manager as a Qt window.
//
// Implements: GLDrawAreaInterface on a QWindow (OpenGL surface) with its own
// double-buffered QOpenGLContext, embeddable in a widget layout through
// QWidget::createWindowContainer.
// - State: expose (full damage on the first expose and after a resize, and
//   once more, shortly after a page was added, while the window is on
//   screen), the drawing area's destruction and focus-in reach the state
//   listeners first, then the signals. The window never paints by itself: it reports
//   damage and the engine draws on its next frame.
// - Destroyed, once, means: this object is deleted (reported from its
//   destructor, unless already reported), or its native window went and
//   was not made again before the event loop ran again (QWindow::destroy()
//   or close() by the application): reported from the event loop then,
//   with isValid() already false. A native window Qt makes again before
//   returning to the event loop is no destruction: the page stays on the
//   area, which is not valid while the native window is gone and is drawn
//   in full at its first expose afterwards. This covers a window moved to
//   another screen (QWindow::setScreen to another X screen: a new OpenGL
//   context is made for that screen, and the window, which Qt leaves
//   hidden there, is shown again if it was shown) and a window that lost
//   its native window with its parent's: when the application changes the
//   window flags of the top-level widget holding the area's container
//   (setWindowFlags, then show()), Qt makes a new top-level native window
//   and the old one takes the area's with it; when shown again in the same
//   parent window, whose native window is no longer the one it was made
//   in, the area makes its native window again in the new one (once the
//   event loop runs). Given another parent window (a container moved to
//   another top-level), Qt moves the native window along, and it is kept.
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
// whose page manager its page tracker listens to. A window reported
// destroyed and shown again later is a new window to the library: give it
// a page again. A top-level widget moved with windowHandle()->setScreen()
// to another X screen is not repainted there by Qt 6.4's widgets (black,
// around the area and in it): give a widget window its screen with
// QWidget::setScreen() before it is shown; a QtGLDrawArea moved on its own
// draws there.
class OVSDKQTHOST_EXPORT QtGLDrawArea : public QWindow,
                                        public virtual integration::GLDrawAreaInterface,
                                        public integration::intern::MouseAndKeyListenerSets
{
public:
    // An OpenGL window with its own context, not yet shown.
    //
    // @thread_safety Make it on the GUI thread, after the QGuiApplication.
    explicit QtGLDrawArea(QWindow* parent = nullptr);
    // Destroys the native window first; listeners hear of the destruction
    // (once: not again when it was reported before).
    ~QtGLDrawArea() override;

    bool canRender() override;
    void getSize(int& width, int& height) override;
    integration::GLContextInterface& getGLContext() override;
    bool isValid() override;
    void addStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(integration::PageManagerInterface& manager) override;

    // Pages of the last page manager shown here (changes since it was set).
    int pageCount();
    // A position in device pixels, from logical window coordinates.
    QPoint toDevicePixels(const QPointF& logical) const;

protected:
    // Follows the native window's creation and destruction (see above).
    bool event(QEvent* event) override;
    // Reports the expose to the state listeners, then signalDrawAreaExposed;
    // full damage on the first expose and after a resize.
    void exposeEvent(QExposeEvent* event) override;
    // Makes the next expose full damage; reports one once the event loop
    // runs again if the window system has not.
    void resizeEvent(QResizeEvent* event) override;
    // Reports the focus gain to the state listeners, then the signal.
    void focusInEvent(QFocusEvent* event) override;
    // Reports the press to the mouse listeners, then signalButtonPressed.
    //
    // @reentrancy Qt delivers it also from the monitor's busy pass; the
    // library queues it for the engine.
    void mousePressEvent(QMouseEvent* event) override;
    // Reports the double press to the mouse listeners, then the signal.
    //
    // @reentrancy Qt delivers it also from the monitor's busy pass; the
    // library queues it for the engine.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Reports the release to the mouse listeners, then the signal.
    //
    // @reentrancy Qt delivers it also from the monitor's busy pass; the
    // library queues it for the engine.
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Reports the move, with MouseButton_None, to the mouse listeners, then
    // the signal.
    //
    // @reentrancy Qt delivers it also from the monitor's busy pass; the
    // library drops a move while the engine is busy.
    void mouseMoveEvent(QMouseEvent* event) override;
    // Fires signalWheelRotated; a vertical rotation is also a '+' or '-' key
    // press and release for the key listeners.
    //
    // @reentrancy Qt delivers it also from the monitor's busy pass; the
    // library queues the keys for the engine.
    void wheelEvent(QWheelEvent* event) override;
    // Reports the key, unless it is a modifier key alone, to the key
    // listeners.
    //
    // @reentrancy Qt delivers it also from the monitor's busy pass; the
    // library queues it for the engine.
    void keyPressEvent(QKeyEvent* event) override;
    // Reports the key release as keyPressEvent() reports the press.
    //
    // @reentrancy Qt delivers it also from the monitor's busy pass; the
    // library queues it for the engine.
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Reports an expose, full damage when one is pending, if the window is
    // on screen.
    void reportExposeIfShown();
    void nativeWindowCreated();
    void nativeWindowGoing();
    void settleNativeWindow();
    void recreateIfOrphaned();
    WId parentNativeWindow() const;
    void reportDestroyed();
    void reportMouse(MouseAction_e action, Qt::MouseButton button, const QMouseEvent& event);

    QOpenGLContext m_context;
    QtGLContext m_glContext;
    integration::intern::GLDrawAreaStateObservable m_stateObservable;
    integration::intern::GLDrawAreaPageTracker m_pageTracker;
    bool m_nativeWindowExists;
    // The destruction was reported (once per native window, or for the
    // object without one).
    bool m_destroyReported;
    bool m_fullDamagePending;
    // A Hide event came since the event loop last ran.
    bool m_hiddenThisTurn;
    // When the native window went: whether the window was shown, its screen.
    bool m_shownBeforeLoss;
    QScreen* m_screenBeforeLoss;
    // The parent, and its native window, when this native window was made
    // in it (the parent is only compared, never followed).
    const QWindow* m_parentWhenMade;
    WId m_parentNativeWindow;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTGLDRAWAREA_H
