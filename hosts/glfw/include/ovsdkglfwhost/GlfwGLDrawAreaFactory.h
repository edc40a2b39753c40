#ifndef OVSDKGLFWHOST_GLFWGLDRAWAREAFACTORY_H
#define OVSDKGLFWHOST_GLFWGLDRAWAREAFACTORY_H

#include "ovsdkglfwhost/Export.h"

#include "integration/GLDrawAreaFactoryInterface.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwEventLoop;
class GlfwGLDrawArea;

// The drawing-area factory for pages the engine asks for.
//
// Implements: GLDrawAreaFactoryInterface: each engine-requested page gets a
// new GlfwGLDrawArea, a window of its own of the factory's size, titled
// with the engine's first page-creation argument (or "Page"), handed to
// the application's placement function with the engine's arguments. A
// window GLFW cannot make gives the page none.
// Leaves to the application: the placement function (where the window goes
// and who deletes it). Without one the factory makes no window and the page
// has none.
class OVSDKGLFWHOST_EXPORT GlfwGLDrawAreaFactory : public integration::GLDrawAreaFactoryInterface
{
public:
    // Takes the new window (the application owns it from then on) and the
    // engine's arguments.
    typedef std::function<void(GlfwGLDrawArea* drawArea, const std::vector<std::string>& arguments)> Placement;

    // Windows of `width` x `height` screen coordinates.
    GlfwGLDrawAreaFactory(GlfwEventLoop& loop, int width, int height, Placement placement = Placement());

    // Places the windows made from now on with `placement`.
    void setPlacement(Placement placement);
    // A new GlfwGLDrawArea titled with the first engine argument ("Page"
    // without one), handed to the placement function; null without a
    // placement function or when GLFW makes no window.
    //
    // @thread_safety Called on the GUI thread, from the engine's page-create
    // callback.
    // @errors An exception of the placement function passes on to the engine.
    integration::GLDrawAreaInterface* createGLDrawArea(toolbox::StringList& arguments) override;

private:
    GlfwEventLoop& m_loop;
    int m_width;
    int m_height;
    Placement m_placement;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWGLDRAWAREAFACTORY_H
