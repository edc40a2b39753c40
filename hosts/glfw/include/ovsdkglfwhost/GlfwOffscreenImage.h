#ifndef OVSDKGLFWHOST_GLFWOFFSCREENIMAGE_H
#define OVSDKGLFWHOST_GLFWOFFSCREENIMAGE_H

#include "ovsdkglfwhost/Export.h"
#include "ovsdkglfwhost/GlfwGLContext.h"

#include "integration/services/OffscreenImageInterface.h"

#include <memory>
#include <vector>

namespace orvane {
namespace sdk {
namespace hostcommon {
class GLFramebuffer;
} // namespace hostcommon
namespace glfwhost {

class GlfwHiddenWindow;

// An offscreen image the engine exports a plot into, with GLFW's OpenGL.
//
// Implements: OffscreenImageInterface: the OpenGL context of a hidden GLFW
// window, drawing into a framebuffer object (an RGBA renderbuffer) of the
// image's size. Making its context current also binds the framebuffer and
// sets the viewport to the image; releasing it reads the framebuffer back,
// and readRow() hands out its rows top row first.
// Leaves to the application: nothing; the offscreen image service makes and
// deletes images.
class OVSDKGLFWHOST_EXPORT GlfwOffscreenImage : public virtual integration::services::OffscreenImageInterface
{
public:
    // An image of `width` x `height` pixels.
    //
    // @thread_safety Make it on the GUI thread (GLFW's main thread).
    // @errors orvane::ExceptionBase when no context or framebuffer can be made.
    GlfwOffscreenImage(int width, int height);
    // Deletes the framebuffer with the image's context current.
    //
    // @current The context current before is current again afterwards (none
    // if that was the image's).
    ~GlfwOffscreenImage() override;
    // Not copyable: it owns a hidden window and its framebuffer.
    GlfwOffscreenImage(const GlfwOffscreenImage&) = delete;
    // Not copyable.
    GlfwOffscreenImage& operator=(const GlfwOffscreenImage&) = delete;

    // The image is ready for the engine's drawing.
    bool render(ExportRegion_e region) override;
    integration::GLContextInterface& getGLContext() override;

    // One row of the picture last drawn, one byte a pixel and channel; false
    // for a row outside the image.
    bool readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const;
    // The image's width in pixels.
    int width() const;
    // The image's height in pixels.
    int height() const;

private:
    // The image's context: binds the framebuffer when made current, reads it
    // back when released.
    class FramebufferContext : public GlfwGLContext
    {
    public:
        explicit FramebufferContext(GlfwOffscreenImage& image);
        bool makeCurrent() override;
        bool releaseCurrent() override;

    private:
        GlfwOffscreenImage* m_image;
    };

    int m_width;
    int m_height;
    std::unique_ptr<GlfwHiddenWindow> m_window;
    std::unique_ptr<hostcommon::GLFramebuffer> m_framebuffer; // null when none could be made
    FramebufferContext m_glContext;
    std::vector<unsigned char> m_rgba; // RGBA, top row first
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWOFFSCREENIMAGE_H
