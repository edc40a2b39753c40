#ifndef ORVANE_INTEGRATION_INTERN_RENDERLESSGLDRAWAREAFACTORY_H
#define ORVANE_INTEGRATION_INTERN_RENDERLESSGLDRAWAREAFACTORY_H

#include "integration/GLDrawAreaFactoryInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The factory in use until the host sets its own: pages that the engine asks
// for get no drawing area, so they are never rendered to the screen.
class RenderlessGLDrawAreaFactory : public virtual GLDrawAreaFactoryInterface
{
public:
    // Always null.
    GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList& arguments) override;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_RENDERLESSGLDRAWAREAFACTORY_H
