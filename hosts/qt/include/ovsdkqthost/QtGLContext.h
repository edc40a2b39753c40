#ifndef OVSDKQTHOST_QTGLCONTEXT_H
#define OVSDKQTHOST_QTGLCONTEXT_H

#include "ovsdkqthost/Export.h"

#include "integration/GLContextInterface.h"

class QOpenGLContext;
class QSurface;

namespace orvane {
namespace sdk {
namespace qthost {

// GLContextInterface over a QOpenGLContext and the surface it draws on.
//
// Implements: makeCurrent (QOpenGLContext::makeCurrent on the surface; false
// while the surface has no native counterpart), releaseCurrent
// (doneCurrent) and swapBuffers. Buffers are swapped only when the library
// asks, so a frame the render decider refuses never reaches the screen.
// Leaves to the application: nothing; drawing areas and offscreen images
// make their own.
class OVSDKQTHOST_EXPORT QtGLContext : public integration::GLContextInterface
{
public:
    // Neither is owned; both must outlive this object.
    QtGLContext(QOpenGLContext& context, QSurface& surface);

    void swapBuffers() override;
    bool makeCurrent() override;
    bool releaseCurrent() override;

    // The Qt context given at construction.
    QOpenGLContext& context() const;

private:
    QOpenGLContext* m_context;
    QSurface* m_surface;
};

// Resolves an OpenGL function in the thread's current Qt context; null when
// no context is current. Handed to an engine that draws with OpenGL.
OVSDKQTHOST_EXPORT void* currentContextProcAddress(const char* name);

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTGLCONTEXT_H
