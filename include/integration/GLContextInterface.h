#ifndef ORVANE_INTEGRATION_GLCONTEXTINTERFACE_H
#define ORVANE_INTEGRATION_GLCONTEXTINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// The OpenGL context of a drawing area or of an offscreen image, implemented
// by the host. The results of makeCurrent() and releaseCurrent() go back to
// the engine unchanged.
//
// What is current at each call. The engine draws a page on the screen in
// this order, all on the GUI thread, from inside an engine call:
//   makeCurrent()     the engine is about to draw: when it returns true,
//                     this context must be current on its window; the
//                     engine then draws into it.
//   (busy passes)     a long frame may run the monitor's busy pass between
//                     the two: this context is current when the pass
//                     begins and must be current again when it returns.
//   releaseCurrent()  the engine has finished drawing; this context is
//                     still current when it is called. Release it.
//   swapBuffers()     comes AFTER releaseCurrent(), when the top page render
//                     decider agrees, with no context of the engine's
//                     current. A window system that swaps only a current
//                     context shows nothing then: make this context current
//                     first, swap, and release it again.
// See `docs/host-guide.md#contexts-and-the-swap` for the window systems that
// need it.
// An offscreen image's context gets makeCurrent() and releaseCurrent() around
// the engine's drawing into the image, never swapBuffers(). getGLContext()
// of a drawing area must return the same object every time.
class OVSDK_INTEGRATION_EXPORT GLContextInterface
{
public:
    // A context object of the host.
    GLContextInterface() {}
    // Copies nothing: the interface has no state.
    GLContextInterface(const GLContextInterface&) {}
    // Copies nothing: the interface has no state.
    GLContextInterface& operator=(const GLContextInterface&) { return *this; }

    // Show what the engine drew: swap the front and back buffers of this
    // context's window. Called after releaseCurrent(), with no context
    // current: make this one current for the swap if the window system
    // needs it.
    //
    // @thread_safety Called on the GUI thread, from inside the engine's frame.
    // @current Before: no context of the engine's; after: leave none current.
    // @errors An exception passes through the engine's swap callback to the
    // engine.
    virtual void swapBuffers() = 0;
    // Make this context the thread's current one, on its window or image,
    // before the engine draws; true on success.
    //
    // @thread_safety Called on the GUI thread, from inside the engine's frame.
    // @current After a true result this context is current.
    // @errors False loses the frame; in checked mode a false answer for a
    // drawing area is reported: `render.make-current-failed`.
    virtual bool makeCurrent() = 0;
    // The engine has finished drawing into this context, which is current
    // now; true on success.
    //
    // @thread_safety Called on the GUI thread, from inside the engine's frame.
    // @current Before: this context; after: none (or the host's own).
    // @errors The result goes to the engine unchanged.
    virtual bool releaseCurrent() = 0;
    // Owned by the host; it must outlive its drawing area's or image's use.
    virtual ~GLContextInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_GLCONTEXTINTERFACE_H
