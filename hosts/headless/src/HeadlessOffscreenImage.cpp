#include "ovsdkheadlesshost/HeadlessOffscreenImage.h"

#include "GLFramebuffer.h"

#include "ovexception/ExceptionBase.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessOffscreenImage::HeadlessOffscreenImage(std::unique_ptr<HeadlessGLContext> context, int width, int height)
    : m_context(std::move(context)), m_frameCountAtStart(m_context->frameCount())
{
    if (width < 1 || height < 1)
        throw ExceptionBase("An offscreen image needs a size of at least 1 x 1 pixels.");
    m_context->setSize(width, height);
}

bool HeadlessOffscreenImage::render(ExportRegion_e) { return m_context != nullptr; }

integration::GLContextInterface& HeadlessOffscreenImage::getGLContext() { return *m_context; }

std::unique_ptr<HeadlessGLContext> HeadlessOffscreenImage::takeContext() { return std::move(m_context); }

bool HeadlessOffscreenImage::readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const
{
    // Nothing of this image was read back yet: the frame is another's.
    if (m_context == nullptr || m_context->frameCount() == m_frameCountAtStart)
        return false;
    const HeadlessFrame& frame = m_context->frame();
    return hostcommon::readRGBARow(frame.rgba, frame.width, frame.height, row, red, green, blue);
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
