#include "ovsdkgtkhost/GtkGLDrawAreaFactory.h"

#include "ovsdkgtkhost/GtkGLDrawArea.h"

#include "PlacedDrawArea.h"

namespace orvane {
namespace sdk {
namespace gtkhost {

GtkGLDrawAreaFactory::GtkGLDrawAreaFactory(int width, int height, Placement placement)
    : m_width(width), m_height(height), m_placement(std::move(placement))
{
}

integration::GLDrawAreaInterface* GtkGLDrawAreaFactory::createGLDrawArea(toolbox::StringList& arguments)
{
    return hostcommon::makePlacedDrawArea(arguments, m_placement,
                                          [this](const std::string& title) {
        return new GtkGLDrawArea(m_width, m_height, title);
    });
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
