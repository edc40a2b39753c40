#ifndef OVSDKGLFWHOST_GLFWGLDRAWAREA_H
#define OVSDKGLFWHOST_GLFWGLDRAWAREA_H

#include "ovsdkglfwhost/Export.h"
#include "ovsdkglfwhost/GlfwGLContext.h"
#include "ovsdkglfwhost/GlfwWindowEvent.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/intern/GLDrawAreaPageTracker.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/MouseAndKeyListenerSets.h"

#include <string>

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwEventLoop;

// A drawing area of the integration manager as a GLFW window.
//
// Implements: GLDrawAreaInterface on a GLFW window it creates, with the
// window's own double-buffered OpenGL context (swap interval 0: the engine
// decides when to draw). It installs the window's GLFW callbacks (keys,
// characters, buttons, cursor, scroll, refresh, framebuffer size, content
// scale, focus), which queue their events in the GlfwEventLoop; the window's
// user pointer is the kit's.
// - State: expose (a refresh: full damage on the first one, after the
//   framebuffer or content scale changed, and once more, shortly after a
//   page was added, while the window is exposed), destruction of the
//   native window and focus-in reach the state listeners first, then the
//   signals. A framebuffer resize is reported as an expose with full damage
//   at once. The window never paints by itself: it reports damage and the
//   engine draws on its next frame.
// - isValid() while the GLFW window exists; canRender() while it has also
//   been exposed, is not iconified and has a non-empty framebuffer.
// - HiDPI: sizes are the framebuffer's, in device pixels; mouse positions
//   are GLFW's screen coordinates times devicePixelRatio() (the framebuffer
//   width over the window width: 1 on X11 and Windows, 2 on a Retina
//   screen). contentScale() tells the application how large to draw its
//   own text and decorations.
// - Mouse and key input to the mouse and key listeners (with this drawing
//   area as source) and the mouse signals; buttons, modifiers and key codes
//   as GlfwInputMapping.h describes. Modifier keys alone are not reported.
// - A wheel rotation fires signalWheelRotated with an
//   intern::MouseWheelEvent (120 per notch); a vertical one is also
//   reported as a press and release of '+' (away from the user) or '-'
//   (towards the user) through the key listeners, which an engine zooms
//   with.
// - The pages shown here are counted by an intern::GLDrawAreaPageTracker.
// Leaves to the application: the window's title, position and closing
// (glfwWindowShouldClose: delete the drawing area, or call
// destroyNativeWindow(), when the application decides to close), and
// deleting it before the manager object, whose page manager its page
// tracker listens to, and before the GlfwEventLoop.
class OVSDKGLFWHOST_EXPORT GlfwGLDrawArea : public virtual integration::GLDrawAreaInterface,
                                            public integration::intern::MouseAndKeyListenerSets
{
public:
    // A window of `width` x `height` screen coordinates.
    //
    // @thread_safety Make it on the GUI thread (GLFW's main thread).
    // @errors orvane::ExceptionBase when GLFW makes no window with an OpenGL
    // context.
    GlfwGLDrawArea(GlfwEventLoop& loop, int width, int height, const std::string& title, bool visible = true);
    // Destroys the native window first, so that listeners hear of it (once:
    // not again when it was destroyed before).
    ~GlfwGLDrawArea() override;
    // Not copyable: pages know their drawing area by its address.
    GlfwGLDrawArea(const GlfwGLDrawArea&) = delete;
    // Not copyable.
    GlfwGLDrawArea& operator=(const GlfwGLDrawArea&) = delete;

    bool canRender() override;
    void getSize(int& width, int& height) override;
    integration::GLContextInterface& getGLContext() override;
    bool isValid() override;
    void addStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(integration::PageManagerInterface& manager) override;

    // The GLFW window; null once it is destroyed.
    GLFWwindow* window() const;
    // Reports the destruction to the listeners, then destroys the window;
    // the object stays until the application deletes it.
    void destroyNativeWindow();
    // Device pixels per screen coordinate; 1 without a window.
    double devicePixelRatio() const;
    // GLFW's content scale of the window (1 without a window).
    float contentScale() const;
    // A position in device pixels, from the window's screen coordinates.
    int toDevicePixels(double screenCoordinate) const;
    // Pages of the last page manager shown here (changes since it was set).
    int pageCount();
    // Whether the window has been exposed since it was made.
    bool isExposed() const;

    // Called by the loop with each event of the window.
    void deliver(const GlfwWindowEvent& event);

private:
    void installCallbacks();
    void reportExposed(bool fullDamage);

    GlfwEventLoop& m_loop;
    GLFWwindow* m_window;
    GlfwGLContext m_glContext;
    integration::intern::GLDrawAreaStateObservable m_stateObservable;
    integration::intern::GLDrawAreaPageTracker m_pageTracker;
    bool m_exposed;
    bool m_fullDamagePending;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWGLDRAWAREA_H
