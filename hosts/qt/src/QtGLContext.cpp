#include "ovsdkqthost/QtGLContext.h"

#include <QOpenGLContext>
#include <QSurface>

namespace orvane {
namespace sdk {
namespace qthost {

QtGLContext::QtGLContext(QOpenGLContext& context, QSurface& surface) : m_context(&context), m_surface(&surface) {}

void QtGLContext::swapBuffers()
{
    if (m_surface->surfaceHandle() == nullptr)
        return;
    // The engine asks for the swap after it has released the context; Qt
    // swaps only a current one, and leaves it as the engine left it.
    const bool wasCurrent = QOpenGLContext::currentContext() == m_context && m_context->surface() == m_surface;
    if (!wasCurrent && !m_context->makeCurrent(m_surface))
        return;
    m_context->swapBuffers(m_surface);
    if (!wasCurrent)
        m_context->doneCurrent();
}

bool QtGLContext::makeCurrent()
{
    return m_context->isValid() && m_surface->surfaceHandle() != nullptr && m_context->makeCurrent(m_surface);
}

bool QtGLContext::releaseCurrent()
{
    m_context->doneCurrent();
    return true;
}

QOpenGLContext& QtGLContext::context() const { return *m_context; }

void* currentContextProcAddress(const char* name)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context != nullptr ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
