#ifndef ORVANE_INTEGRATION_GLDRAWAREAFACTORYINTERFACE_H
#define ORVANE_INTEGRATION_GLDRAWAREAFACTORYINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace toolbox {
class StringList;
} // namespace toolbox

namespace sdk {
namespace integration {

class GLDrawAreaInterface;

// Makes drawing areas for the pages that the engine asks for.
class OVSDK_INTEGRATION_EXPORT GLDrawAreaFactoryInterface
{
public:
    GLDrawAreaFactoryInterface() {}
    GLDrawAreaFactoryInterface(const GLDrawAreaFactoryInterface&) {}
    GLDrawAreaFactoryInterface& operator=(const GLDrawAreaFactoryInterface&) { return *this; }

    // `arguments` is the engine's page-creation argument list. Null means the
    // page gets no drawing area. The drawing area stays the host's.
    virtual GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList& arguments) = 0;
    virtual ~GLDrawAreaFactoryInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_GLDRAWAREAFACTORYINTERFACE_H
