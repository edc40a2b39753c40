#ifndef OVSDKQTHOST_QTGLDRAWAREAFACTORY_H
#define OVSDKQTHOST_QTGLDRAWAREAFACTORY_H

#include "ovsdkqthost/Export.h"

#include "integration/GLDrawAreaFactoryInterface.h"

#include <QStringList>

#include <functional>

namespace orvane {
namespace sdk {
namespace qthost {

class QtGLDrawArea;

// The drawing-area factory for pages the engine asks for.
//
// Implements: GLDrawAreaFactoryInterface: each engine-requested page gets a
// new QtGLDrawArea, handed to the application's placement function with the
// engine's page-creation arguments.
// Leaves to the application: the placement function (where the window goes
// and who deletes it; typically QWidget::createWindowContainer in a tab or
// dock). Without one the factory makes no window and the page has none.
class OVSDKQTHOST_EXPORT QtGLDrawAreaFactory : public integration::GLDrawAreaFactoryInterface
{
public:
    // Takes the new window (the application owns it from then on) and the
    // engine's arguments.
    typedef std::function<void(QtGLDrawArea* drawArea, const QStringList& arguments)> Placement;

    explicit QtGLDrawAreaFactory(Placement placement = Placement());

    void setPlacement(Placement placement);
    integration::GLDrawAreaInterface* createGLDrawArea(toolbox::StringList& arguments) override;

private:
    Placement m_placement;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTGLDRAWAREAFACTORY_H
