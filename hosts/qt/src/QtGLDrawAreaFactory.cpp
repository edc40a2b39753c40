#include "ovsdkqthost/QtGLDrawAreaFactory.h"

#include "ovsdkqthost/QtGLDrawArea.h"

#include "ovtoolbox/StringList.h"

namespace orvane {
namespace sdk {
namespace qthost {

QtGLDrawAreaFactory::QtGLDrawAreaFactory(Placement placement) : m_placement(std::move(placement)) {}

void QtGLDrawAreaFactory::setPlacement(Placement placement) { m_placement = std::move(placement); }

integration::GLDrawAreaInterface* QtGLDrawAreaFactory::createGLDrawArea(toolbox::StringList& arguments)
{
    if (!m_placement)
        return nullptr;
    QStringList texts;
    for (const std::string& argument : arguments.toVector())
        texts << QString::fromStdString(argument);
    QtGLDrawArea* drawArea = new QtGLDrawArea;
    m_placement(drawArea, texts);
    return drawArea;
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
