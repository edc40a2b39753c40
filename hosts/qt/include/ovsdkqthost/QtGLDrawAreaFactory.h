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

    // A factory placing new windows with `placement` (may be empty).
    explicit QtGLDrawAreaFactory(Placement placement = Placement());

    // Places the windows made from now on with `placement`.
    void setPlacement(Placement placement);
    // A new QtGLDrawArea handed to the placement function; null without one.
    //
    // @thread_safety Called on the GUI thread, from the engine's page-create
    // callback.
    // @errors An exception of the placement function passes on to the engine.
    integration::GLDrawAreaInterface* createGLDrawArea(toolbox::StringList& arguments) override;

private:
    Placement m_placement;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTGLDRAWAREAFACTORY_H
