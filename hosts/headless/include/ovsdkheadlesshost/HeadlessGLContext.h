#ifndef OVSDKHEADLESSHOST_HEADLESSGLCONTEXT_H
#define OVSDKHEADLESSHOST_HEADLESSGLCONTEXT_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessFrame.h"

#include "integration/GLContextInterface.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace hostcommon {
class GLFramebuffer;
} // namespace hostcommon
namespace headlesshost {

// GLContextInterface over an EGL context of the HeadlessDisplay that draws
// into a framebuffer object of its own.
//
// Implements: makeCurrent (the EGL context current with no surface, its
// framebuffer bound and the viewport set to the framebuffer's size, which
// follows setSize() from the next makeCurrent on), releaseCurrent (no
// context current afterwards, if this one was) and swapBuffers. There is no
// screen to swap to: "showing" a frame means reading the framebuffer back
// into frame(), which the swap does with the context made current for
// itself (the engine asks for the swap after it released the context),
// giving the thread back the context current before. A context made with
// ReadBack_AtRelease reads back at releaseCurrent() instead: an offscreen
// image is never swapped.
// Leaves out: depth and stencil buffers, multisampling.
// Leaves to the application: nothing; drawing areas and offscreen images
// make their own.
//
// Errors: the constructor throws orvane::ExceptionBase when EGL makes no
// context or OpenGL no framebuffer of the size; makeCurrent answers false
// when EGL or the framebuffer fails. Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessGLContext : public integration::GLContextInterface
{
public:
    // When the framebuffer is read back into frame().
    enum ReadBack_e
    {
        // At swapBuffers(): a drawing area's frames.
        ReadBack_AtSwap,
        // At releaseCurrent(); swapBuffers() does nothing: an offscreen image.
        ReadBack_AtRelease
    };

    // Makes an EGL context of `display` with a framebuffer of `width` x
    // `height` pixels (each at least 1).
    //
    // @thread_safety GUI thread only.
    // @current The context current before is current again on return.
    // @errors orvane::ExceptionBase when EGL makes no context or cannot make
    // it current, or OpenGL makes no framebuffer; see
    // `docs/host-guide.md#errors-their-messages-and-their-reports`.
    HeadlessGLContext(HeadlessDisplay& display, int width, int height, ReadBack_e readBack = ReadBack_AtSwap);
    ~HeadlessGLContext() override;
    HeadlessGLContext(const HeadlessGLContext&) = delete;
    HeadlessGLContext& operator=(const HeadlessGLContext&) = delete;

    void swapBuffers() override;
    bool makeCurrent() override;
    bool releaseCurrent() override;

    // The framebuffer's size from the next makeCurrent() on (at least 1 x 1).
    void setSize(int width, int height);
    // What the last read-back gave; empty before the first.
    const HeadlessFrame& frame() const;
    // Read-backs so far.
    int frameCount() const;

private:
    bool isCurrent() const;
    void readBack();

    HeadlessDisplay& m_display;
    HeadlessDisplay::Context m_context;
    std::unique_ptr<hostcommon::GLFramebuffer> m_framebuffer;
    ReadBack_e m_readBack;
    int m_width;
    int m_height;
    HeadlessFrame m_frame;
    int m_frameCount;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSGLCONTEXT_H
