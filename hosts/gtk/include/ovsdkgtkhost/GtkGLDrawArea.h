#ifndef OVSDKGTKHOST_GTKGLDRAWAREA_H
#define OVSDKGTKHOST_GTKGLDRAWAREA_H

#include "ovsdkgtkhost/Export.h"
#include "ovsdkgtkhost/GtkInputEvent.h"

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/intern/GLDrawAreaPageTracker.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/MouseAndKeyListenerSets.h"

#include <deque>
#include <memory>
#include <string>

typedef struct _GtkWidget GtkWidget;
typedef struct _GtkWindow GtkWindow;
typedef struct _GdkGLContext GdkGLContext;

namespace orvane {
namespace sdk {
namespace gtkhost {

class GtkFramebuffer;

// A drawing area of the integration manager as a GtkGLArea in a GtkWindow
// of its own.
//
// Implements: GLDrawAreaInterface on a GtkGLArea (the window's only child),
// whose OpenGL context it gives the engine. GTK owns presentation: it draws
// a GtkGLArea only in its "render" signal, into a framebuffer of its own,
// and has no swap a host can call. So the engine draws into a framebuffer
// object of the area (one per area, device pixels, colour, depth and
// stencil), which makeCurrent() binds; swapBuffers() copies the frame into
// the area's front framebuffer and asks GTK to paint; the "render" handler
// copies the front picture into GTK's framebuffer, and GTK shows it with the
// next frame of the window (so a frame drawn but not swapped never shows).
// The context must run the engine's OpenGL 1.x drawing: see GtkLegacyGL.h;
// the constructor refuses when it cannot.
// - State: expose (full damage, when realized, when shown again (mapped),
//   when the size changed, when
//   GTK asks to paint by itself (a "render" that no swapBuffers() asked for:
//   the window was mapped again, the scale changed, or someone called
//   gtk_gl_area_queue_render()) and, shortly after a page was added, while
//   realized), destruction of the window and focus-in reach the state
//   listeners first, then the signals; exposes are reported from GLib's
//   main loop after GTK's layout and drawing and after the monitor's idle
//   report, never from inside them.
// - isValid() while the window exists; canRender() while the area is also
//   realized, has been exposed and has a non-empty size.
// - HiDPI: sizes in device pixels (logical size times GTK's scale factor);
//   mouse positions likewise.
// - Input from GTK's event controllers on the area (click with its press
//   count, so a double press; motion; scroll; key; focus) goes to the input
//   observers (the application event monitor) first, then to the mouse and
//   key listeners with this drawing area as source, then the mouse signals.
//   Buttons: 1 left, 2 middle, 3 right; modifiers: Shift 1, Control 2, Alt
//   4; keys: the character typed when printable ASCII, 27 for Escape, the
//   engine's code for the other keys it knows; modifier keys alone are not
//   reported. A vertical wheel step fires signalWheelRotated (120 a notch,
//   positive away from the user) and is reported as a press and release of
//   '+' (away) or '-' (towards the user) through the key listeners, which an
//   engine zooms with.
// - Click to focus: a press gives the area the keyboard focus and presents
//   its window when it is not the active one (where no window manager gives
//   windows the focus, this is the only way to get it).
// - The pages shown here are counted by an intern::GLDrawAreaPageTracker.
// Leaves to the application: showing the window (gtk_window_present), its
// place, and closing it ("close-request" is GTK's: by default the window
// goes, which the area reports as its destruction); deleting the drawing
// area before the manager object, whose page manager its tracker listens to.
class OVSDKGTKHOST_EXPORT GtkGLDrawArea : public virtual integration::GLDrawAreaInterface,
                                          public integration::intern::MouseAndKeyListenerSets
{
public:
    // A window titled `title` with an area of `width` x `height` logical
    // pixels, not shown yet.
    //
    // @thread_safety Make it on the GUI thread, after gtk_init().
    // @errors orvane::ExceptionBase when GTK's OpenGL contexts cannot run the
    // engine's drawing (the text says why and what to do).
    GtkGLDrawArea(int width, int height, const std::string& title);
    // Destroys the window first, so that listeners hear of it (once).
    ~GtkGLDrawArea() override;
    // Not copyable: pages know their drawing area by its address.
    GtkGLDrawArea(const GtkGLDrawArea&) = delete;
    // Not copyable.
    GtkGLDrawArea& operator=(const GtkGLDrawArea&) = delete;

    bool canRender() override;
    void getSize(int& width, int& height) override;
    integration::GLContextInterface& getGLContext() override;
    bool isValid() override;
    void addStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(integration::PageManagerInterface& manager) override;

    // The window; null once it is destroyed.
    GtkWindow* window() const;
    // The GtkGLArea; null once the window is destroyed.
    GtkWidget* glArea() const;
    // Reports the destruction to the listeners, then destroys the window;
    // the object stays until the application deletes it.
    void destroyNativeWindow();
    // GTK's scale factor of the area (1 without a window).
    double devicePixelRatio() const;
    // Whether the area has been exposed since it was realized.
    bool isExposed() const;
    // Whether a frame handed over with swapBuffers() waits for GTK to paint
    // it (in the "render" signal).
    bool framePending() const;
    // Pages of the last page manager shown here (changes since it was set).
    int pageCount();

    // Queues `event` as the area's event controllers would report it; it is
    // delivered from GLib's main loop (a test or a scripted session plays
    // the user with it: GTK 4 makes no events of its own).
    //
    // @thread_safety GUI thread only; not checked.
    void post(const GtkInputEvent& event);
    // Delivers `event` now: to the input observers, then the listeners and
    // signals (what the controllers call).
    //
    // @thread_safety GUI thread only; not checked.
    void deliver(const GtkInputEvent& event);

private:
    // The area's OpenGL context with its framebuffer.
    class Context : public integration::GLContextInterface
    {
    public:
        explicit Context(GtkGLDrawArea& area);
        void swapBuffers() override;
        bool makeCurrent() override;
        bool releaseCurrent() override;

    private:
        GtkGLDrawArea& m_area;
    };

    struct Callbacks;

    void connectSignals();
    void requestExpose();
    void reportExposed();
    void deliverPosted();
    void forgetWindow();

    GtkWindow* m_window;
    GtkWidget* m_area;
    Context m_context;
    std::unique_ptr<GtkFramebuffer> m_framebuffer; // while realized
    integration::intern::GLDrawAreaStateObservable m_stateObservable;
    integration::intern::GLDrawAreaPageTracker m_pageTracker;
    std::deque<GtkInputEvent> m_posted;
    unsigned m_exposeSource;
    unsigned m_postedSource;
    bool m_realized;
    bool m_exposed;
    bool m_frameReady;
    // A frame was handed over and GTK has not painted it yet.
    bool m_swapPending;
    double m_pointerX;
    double m_pointerY;
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKGLDRAWAREA_H
