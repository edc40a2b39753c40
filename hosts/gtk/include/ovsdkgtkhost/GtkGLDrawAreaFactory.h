#ifndef OVSDKGTKHOST_GTKGLDRAWAREAFACTORY_H
#define OVSDKGTKHOST_GTKGLDRAWAREAFACTORY_H

#include "ovsdkgtkhost/Export.h"

#include "integration/GLDrawAreaFactoryInterface.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace gtkhost {

class GtkGLDrawArea;

// The drawing-area factory for pages the engine asks for.
//
// Implements: GLDrawAreaFactoryInterface: each engine-requested page gets a
// new GtkGLDrawArea, a window of its own of the factory's size, titled with
// the engine's first page-creation argument (or "Page"), handed to the
// application's placement function with the engine's arguments. A drawing
// area GTK cannot make (see GtkLegacyGL.h) gives the page none.
// Leaves to the application: the placement function (showing the window
// and deleting the drawing area later). Without one the factory makes no
// window and the page has none.
class OVSDKGTKHOST_EXPORT GtkGLDrawAreaFactory : public integration::GLDrawAreaFactoryInterface
{
public:
    // Takes the new drawing area (the application owns it from then on) and
    // the engine's arguments.
    typedef std::function<void(GtkGLDrawArea* drawArea, const std::vector<std::string>& arguments)> Placement;
    // Windows of `width` x `height` logical pixels.
    GtkGLDrawAreaFactory(int width, int height, Placement placement = Placement());

    // A new GtkGLDrawArea handed to the placement function; null without a
    // placement function or when GTK makes none.
    //
    // @thread_safety Called on the GUI thread, from the engine's page-create
    // callback.
    // @errors An exception of the placement function passes on to the engine.
    integration::GLDrawAreaInterface* createGLDrawArea(toolbox::StringList& arguments) override;

private:
    int m_width;
    int m_height;
    Placement m_placement;
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKGLDRAWAREAFACTORY_H
