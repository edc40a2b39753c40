#include "ovsdkglfwhost/GlfwGLDrawAreaFactory.h"

#include "ovsdkglfwhost/GlfwGLDrawArea.h"

#include "ovexception/ExceptionBase.h"
#include "ovtoolbox/StringList.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwGLDrawAreaFactory::GlfwGLDrawAreaFactory(GlfwEventLoop& loop, int width, int height, Placement placement)
    : m_loop(loop), m_width(width), m_height(height), m_placement(std::move(placement))
{
}

void GlfwGLDrawAreaFactory::setPlacement(Placement placement) { m_placement = std::move(placement); }

integration::GLDrawAreaInterface* GlfwGLDrawAreaFactory::createGLDrawArea(toolbox::StringList& arguments)
{
    if (!m_placement)
        return nullptr;
    const std::vector<std::string> texts = arguments.toVector();
    std::unique_ptr<GlfwGLDrawArea> drawArea;
    try
    {
        drawArea.reset(new GlfwGLDrawArea(m_loop, m_width, m_height, texts.empty() ? "Page" : texts.front()));
    }
    catch (const ExceptionBase&)
    {
        return nullptr;
    }
    GlfwGLDrawArea* const made = drawArea.release();
    m_placement(made, texts);
    return made;
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
