#ifndef OVSDKQTHOST_QTOFFSCREENIMAGE_H
#define OVSDKQTHOST_QTOFFSCREENIMAGE_H

#include "ovsdkqthost/Export.h"
#include "ovsdkqthost/QtGLContext.h"

#include "integration/services/OffscreenImageInterface.h"

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <memory>

class QOpenGLFramebufferObject;

namespace orvane {
namespace sdk {
namespace qthost {

// An offscreen image the engine exports a plot into, with Qt's OpenGL.
//
// Implements: OffscreenImageInterface: its own QOpenGLContext on a
// QOffscreenSurface, drawing into a QOpenGLFramebufferObject of the image's
// size. Making its context current also binds the framebuffer; releasing it
// reads the framebuffer back into a QImage, whose rows (top row first) are
// what readRow() hands out.
// Leaves to the application: nothing; the offscreen image service makes and
// deletes images.
class OVSDKQTHOST_EXPORT QtOffscreenImage : public virtual integration::services::OffscreenImageInterface
{
public:
    // An image of `width` x `height` pixels.
    //
    // @thread_safety Make it on the GUI thread, after the QGuiApplication.
    // @errors orvane::ExceptionBase when no context or framebuffer can be made.
    QtOffscreenImage(int width, int height);
    // Deletes the framebuffer with the image's context current.
    //
    // @current No context is current afterwards, whichever was before.
    ~QtOffscreenImage() override;

    // The image is ready for the engine's drawing.
    bool render(ExportRegion_e region) override;
    integration::GLContextInterface& getGLContext() override;

    // One row of the picture last drawn, one byte a pixel and channel; false
    // for a row outside the image.
    bool readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const;
    // The picture last drawn (RGB888), as read back when the context was
    // released.
    const QImage& image() const;

private:
    // The image's context: binds the framebuffer when made current, reads it
    // back when released.
    class FramebufferContext : public QtGLContext
    {
    public:
        explicit FramebufferContext(QtOffscreenImage& image);
        bool makeCurrent() override;
        bool releaseCurrent() override;

    private:
        QtOffscreenImage* m_image;
    };

    QOpenGLContext m_context;
    QOffscreenSurface m_surface;
    std::unique_ptr<QOpenGLFramebufferObject> m_framebuffer;
    FramebufferContext m_glContext;
    QImage m_image; // RGB888
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTOFFSCREENIMAGE_H
