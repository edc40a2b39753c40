#ifndef OVSDKGTKHOST_GTKOFFSCREENIMAGE_H
#define OVSDKGTKHOST_GTKOFFSCREENIMAGE_H

#include "ovsdkgtkhost/Export.h"

#include "integration/GLContextInterface.h"
#include "integration/services/OffscreenImageInterface.h"

#include <memory>
#include <vector>

namespace orvane {
namespace sdk {
namespace gtkhost {

class GtkFramebuffer;

// An offscreen image the engine exports a plot into, with GDK's OpenGL.
//
// Implements: OffscreenImageInterface: an OpenGL context of GTK's default
// display with no window (gdk_display_create_gl_context), drawing into a
// framebuffer object of the image's size. Making its context current binds
// the framebuffer and sets the viewport to the image; releasing it reads the
// picture back, and readRow() hands out its rows top row first; before
// anything was drawn it hands out none.
// Leaves to the application: nothing; the offscreen image service makes and
// deletes images.
class OVSDKGTKHOST_EXPORT GtkOffscreenImage : public virtual integration::services::OffscreenImageInterface
{
public:
    // An image of `width` x `height` pixels.
    //
    // @thread_safety Make it on the GUI thread, after gtk_init().
    // @errors orvane::ExceptionBase for a size under 1 x 1, when GTK's
    // contexts cannot run the engine's drawing, or when no context or
    // framebuffer can be made.
    GtkOffscreenImage(int width, int height);
    // Deletes the framebuffer with the image's context current; no context
    // is current afterwards if it was the image's.
    ~GtkOffscreenImage() override;
    // Not copyable: it owns a context and its framebuffer.
    GtkOffscreenImage(const GtkOffscreenImage&) = delete;
    // Not copyable.
    GtkOffscreenImage& operator=(const GtkOffscreenImage&) = delete;

    // The image is ready for the engine's drawing.
    bool render(ExportRegion_e region) override;
    integration::GLContextInterface& getGLContext() override;
    // One row of the picture last drawn, one byte a pixel and channel; false
    // for a row outside the image or before anything was drawn.
    bool readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const;

private:
    class Context : public integration::GLContextInterface
    {
    public:
        explicit Context(GtkOffscreenImage& image);
        void swapBuffers() override;
        bool makeCurrent() override;
        bool releaseCurrent() override;

    private:
        GtkOffscreenImage& m_image;
    };

    int m_width;
    int m_height;
    std::unique_ptr<GtkFramebuffer> m_framebuffer;
    Context m_context;
    std::vector<unsigned char> m_rgba; // RGBA, top row first
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKOFFSCREENIMAGE_H
