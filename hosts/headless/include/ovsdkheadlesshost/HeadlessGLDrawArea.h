#ifndef OVSDKHEADLESSHOST_HEADLESSGLDRAWAREA_H
#define OVSDKHEADLESSHOST_HEADLESSGLDRAWAREA_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessEvent.h"
#include "ovsdkheadlesshost/HeadlessGLContext.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/MouseAndKeyListenerSets.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessEventLoop;

// A drawing area of the integration manager with no window: an OpenGL
// framebuffer of a size and a device pixel ratio the application sets.
//
// Implements: GLDrawAreaInterface on a HeadlessGLContext of its own (one
// EGL context per drawing area). The engine draws into the framebuffer;
// swapBuffers() reads the frame back, and frame() hands the last frame to
// the application as RGBA rows.
// - Its "window system" is the HeadlessEventLoop: events posted there
//   (HeadlessEvent) reach it when the loop delivers them. Expose, focus-in
//   and the native window's destruction reach the state listeners first,
//   then the signals; a resize is followed by an expose with full damage;
//   a focus out is not reported. The area counts as exposed from the start.
// - isValid() until the native window's destruction (Destroy, or the
//   destructor); canRender() while valid.
// - Sizes and positions in device pixels (the logical size times
//   pixelRatio()).
// - Mouse and key input to the mouse and key listeners (with this drawing
//   area as source), then the mouse signals; a wheel rotation fires
//   signalWheelRotated and reaches the key listeners as a press and
//   release of '+' (away from the user) or '-', which the engine zooms with.
// Leaves out: double presses, key repeat, horizontal wheels, cursors.
// Leaves to the application: posting the events, and where the frames go.
//
// Errors: the constructor throws orvane::ExceptionBase when no context or
// framebuffer can be made. Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessGLDrawArea : public virtual integration::GLDrawAreaInterface,
                                                    public integration::intern::MouseAndKeyListenerSets
{
public:
    // `width` x `height` device pixels at `pixelRatio` device pixels per
    // logical pixel.
    HeadlessGLDrawArea(HeadlessEventLoop& loop, HeadlessDisplay& display, int width, int height,
                       double pixelRatio = 1.0);
    // Destroys the native window first, so that listeners hear of it (once).
    ~HeadlessGLDrawArea() override;
    HeadlessGLDrawArea(const HeadlessGLDrawArea&) = delete;
    HeadlessGLDrawArea& operator=(const HeadlessGLDrawArea&) = delete;

    // Called by the loop: the event, now.
    void deliver(const HeadlessEvent& event);

    // Device pixels per logical pixel, as given to the constructor.
    double pixelRatio() const;
    // The frame last swapped; empty before the first.
    const HeadlessFrame& frame() const;
    // The number of frames swapped (read back) so far.
    int frameCount() const;

    bool canRender() override;
    void getSize(int& width, int& height) override;
    integration::GLContextInterface& getGLContext() override;
    bool isValid() override;
    void addStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(integration::PageManagerInterface& manager) override;

private:
    void expose(bool fullDamage);
    void destroyNativeWindow();

    HeadlessEventLoop& m_loop;
    HeadlessGLContext m_context;
    int m_width;
    int m_height;
    double m_pixelRatio;
    bool m_valid;
    integration::intern::GLDrawAreaStateObservable m_stateObservable;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSGLDRAWAREA_H
