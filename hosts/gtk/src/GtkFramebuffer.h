// The framebuffer object a GDK OpenGL context draws into, the same for the
// kit's drawing areas and its offscreen images: made with the context,
// bound when the context is made current, unbound when it is released
// (hosts/common's GLFramebuffer, its functions through GDK's context).
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
    // Deletes the framebuffer with its context current; the context current
    // before is current again afterwards (none if it was this one).
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

private:
    GdkGLContext* m_context;
    std::unique_ptr<hostcommon::GLFramebuffer> m_framebuffer;
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKFRAMEBUFFER_H
