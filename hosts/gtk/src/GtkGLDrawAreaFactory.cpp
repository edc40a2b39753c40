#include "ovsdkgtkhost/GtkGLDrawAreaFactory.h"

#include "ovsdkgtkhost/GtkGLDrawArea.h"

#include "ovexception/ExceptionBase.h"
#include "ovtoolbox/StringList.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace gtkhost {

GtkGLDrawAreaFactory::GtkGLDrawAreaFactory(int width, int height, Placement placement)
    : m_width(width), m_height(height), m_placement(std::move(placement))
{
}

integration::GLDrawAreaInterface* GtkGLDrawAreaFactory::createGLDrawArea(toolbox::StringList& arguments)
{
    if (!m_placement)
        return nullptr;
    const std::vector<std::string> texts = arguments.toVector();
    std::unique_ptr<GtkGLDrawArea> drawArea;
    try
    {
        drawArea.reset(new GtkGLDrawArea(m_width, m_height, texts.empty() ? "Page" : texts.front()));
    }
    catch (const ExceptionBase&)
    {
        return nullptr;
    }
    GtkGLDrawArea* const made = drawArea.release();
    m_placement(made, texts);
    return made;
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
