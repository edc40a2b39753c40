#ifndef ORVANE_INTEGRATION_GLCONTEXTINTERFACE_H
#define ORVANE_INTEGRATION_GLCONTEXTINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// The OpenGL context of a drawing area or of an offscreen image, implemented
// by the host. The results of makeCurrent() and releaseCurrent() go back to
// the engine unchanged.
class OVSDK_INTEGRATION_EXPORT GLContextInterface
{
public:
    GLContextInterface() {}
    GLContextInterface(const GLContextInterface&) {}
    GLContextInterface& operator=(const GLContextInterface&) { return *this; }

    // Show what the engine drew.
    virtual void swapBuffers() = 0;
    // Make this context the thread's current one; true on success.
    virtual bool makeCurrent() = 0;
    // The engine has finished drawing into this context; true on success.
    virtual bool releaseCurrent() = 0;
    virtual ~GLContextInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_GLCONTEXTINTERFACE_H
