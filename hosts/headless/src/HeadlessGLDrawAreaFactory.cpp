#include "ovsdkheadlesshost/HeadlessGLDrawAreaFactory.h"

#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

#include "ovexception/ExceptionBase.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessGLDrawAreaFactory::HeadlessGLDrawAreaFactory(HeadlessEventLoop& loop, HeadlessDisplay& display, int width,
                                                     int height, double pixelRatio)
    : m_loop(loop), m_display(display), m_width(width), m_height(height), m_pixelRatio(pixelRatio)
{
}

// Newest first, as windows close in the reverse order of their opening.
HeadlessGLDrawAreaFactory::~HeadlessGLDrawAreaFactory()
{
    while (!m_drawAreas.empty())
        m_drawAreas.pop_back();
}

integration::GLDrawAreaInterface* HeadlessGLDrawAreaFactory::createGLDrawArea(orvane::toolbox::StringList&)
{
    try
    {
        m_drawAreas.emplace_back(new HeadlessGLDrawArea(m_loop, m_display, m_width, m_height, m_pixelRatio));
    }
    catch (const ExceptionBase&)
    {
        return nullptr;
    }
    return m_drawAreas.back().get();
}

const std::vector<std::unique_ptr<HeadlessGLDrawArea>>& HeadlessGLDrawAreaFactory::drawAreas() const
{
    return m_drawAreas;
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
