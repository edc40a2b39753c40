#include "ovsdkglfwhost/GlfwGLDrawAreaFactory.h"

#include "ovsdkglfwhost/GlfwGLDrawArea.h"

#include "PlacedDrawArea.h"

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
    return hostcommon::makePlacedDrawArea(arguments, m_placement,
                                          [this](const std::string& title) {
        return new GlfwGLDrawArea(m_loop, m_width, m_height, title);
    });
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
