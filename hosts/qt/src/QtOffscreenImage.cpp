#include "ovsdkqthost/QtOffscreenImage.h"

#include "ovexception/ExceptionBase.h"

#include <QOpenGLFramebufferObject>

#include <cstring>

namespace orvane {
namespace sdk {
namespace qthost {

QtOffscreenImage::QtOffscreenImage(int width, int height) : m_glContext(*this)
{
    if (width < 1 || height < 1)
        throw ExceptionBase("An offscreen image needs a size of at least 1 x 1 pixels.", false);
    if (!m_context.create())
        throw ExceptionBase("No OpenGL context could be created for the offscreen image.", false);
    m_surface.setFormat(m_context.format());
    m_surface.create();
    if (!m_context.makeCurrent(&m_surface))
        throw ExceptionBase("The offscreen image's OpenGL context could not be made current.", false);
    m_framebuffer.reset(new QOpenGLFramebufferObject(width, height));
    const bool complete = m_framebuffer->isValid();
    m_context.doneCurrent();
    if (!complete)
        throw ExceptionBase("No OpenGL framebuffer of the offscreen image's size could be created.", false);
    m_image = QImage(width, height, QImage::Format_RGB888);
    m_image.fill(Qt::black);
}

QtOffscreenImage::~QtOffscreenImage()
{
    // The framebuffer goes with its context current.
    if (m_context.makeCurrent(&m_surface))
    {
        m_framebuffer.reset();
        m_context.doneCurrent();
    }
}

bool QtOffscreenImage::render(ExportRegion_e) { return m_framebuffer != nullptr && m_framebuffer->isValid(); }

integration::GLContextInterface& QtOffscreenImage::getGLContext() { return m_glContext; }

bool QtOffscreenImage::readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const
{
    if (row < 0 || row >= m_image.height())
        return false;
    const uchar* pixel = m_image.constScanLine(row);
    for (int column = 0; column < m_image.width(); ++column)
    {
        red[column] = *pixel++;
        green[column] = *pixel++;
        blue[column] = *pixel++;
    }
    return true;
}

const QImage& QtOffscreenImage::image() const { return m_image; }

QtOffscreenImage::FramebufferContext::FramebufferContext(QtOffscreenImage& image)
    : QtGLContext(image.m_context, image.m_surface), m_image(&image)
{
}

bool QtOffscreenImage::FramebufferContext::makeCurrent()
{
    return QtGLContext::makeCurrent() && m_image->m_framebuffer->bind();
}

bool QtOffscreenImage::FramebufferContext::releaseCurrent()
{
    if (QOpenGLContext::currentContext() != &context())
        return QtGLContext::releaseCurrent();
    m_image->m_image = m_image->m_framebuffer->toImage().convertToFormat(QImage::Format_RGB888);
    m_image->m_framebuffer->release();
    return QtGLContext::releaseCurrent();
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
