// The framebuffer object a GDK OpenGL context draws into, the same for the
// kit's drawing areas and its offscreen images: made with the context,
// bound when the context is made current, unbound when it is released
// (hosts/common's GLFramebuffer, its functions through GDK's context).
// A drawing area's also has a front framebuffer, the picture GTK shows:
// only swap() changes it, so a frame drawn but not swapped never shows.
// Offscreen images, which swap nothing, get none.
#ifndef OVSDKGTKHOST_GTKFRAMEBUFFER_H
#define OVSDKGTKHOST_GTKFRAMEBUFFER_H

#include <memory>

typedef struct _GdkGLContext GdkGLContext;

namespace orvane {
namespace sdk {
namespace hostcommon {
class GLFramebuffer;
} // namespace hostcommon
namespace gtkhost {

class GtkFramebuffer
{
public:
    // Makes the framebuffer in `context` (a reference kept); the context
    // current before is current again afterwards.
    explicit GtkFramebuffer(GdkGLContext* context);
    // Deletes the framebuffers with their context current; the context
    // current before is current again afterwards (none if it was this one).
    ~GtkFramebuffer();
    GtkFramebuffer(const GtkFramebuffer&) = delete;
    GtkFramebuffer& operator=(const GtkFramebuffer&) = delete;

    // Makes the context current and binds the framebuffer at `width` x
    // `height` (see GLFramebuffer::bind()); false when either fails.
    bool makeCurrent(int width, int height);
    // Whether the context is current.
    bool isCurrent() const;
    // When the context is current: unbinds the framebuffer and leaves no
    // context current.
    void releaseCurrent();
    // The framebuffer (available() false when the context has none).
    hostcommon::GLFramebuffer& framebuffer();
    // When the context has framebuffer objects: copies the framebuffer's
    // picture into the front framebuffer (made at the first swap), with the
    // context current for the moment; the context current before is current
    // again afterwards (none if it was this one).
    void swap();
    // In the context, current: copies the front picture into the framebuffer
    // `target` (see GLFramebuffer::copyTo()); nothing before the first swap.
    void copyFrontTo(unsigned int target, int width, int height);

private:
    GdkGLContext* m_context;
    std::unique_ptr<hostcommon::GLFramebuffer> m_framebuffer;
    std::unique_ptr<hostcommon::GLFramebuffer> m_front; // from the first swap()
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKFRAMEBUFFER_H
