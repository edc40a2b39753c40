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
    // A factory of the host.
    GLDrawAreaFactoryInterface() {}
    // Copies nothing: the interface has no state.
    GLDrawAreaFactoryInterface(const GLDrawAreaFactoryInterface&) {}
    // Copies nothing: the interface has no state.
    GLDrawAreaFactoryInterface& operator=(const GLDrawAreaFactoryInterface&) { return *this; }

    // `arguments` is the engine's page-creation argument list. Null means the
    // page gets no drawing area. The drawing area stays the host's.
    //
    // @thread_safety Called on the GUI thread, from inside the engine's
    // page-create callback.
    // @errors An exception passes through the page-create callback to the
    // engine; no page is made.
    virtual GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList& arguments) = 0;
    // Not owned by the page manager: it must outlive the engine, or be replaced
    // with setGLDrawAreaFactory() first.
    virtual ~GLDrawAreaFactoryInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_GLDRAWAREAFACTORYINTERFACE_H
