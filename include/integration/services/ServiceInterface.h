#ifndef ORVANE_INTEGRATION_SERVICES_SERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_SERVICEINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Common base of every service: a service class registers its engine
// callbacks once, and one object of the class is current at a time.
class OVSDK_INTEGRATION_EXPORT ServiceInterface
{
public:
    // A service object is the host's; see each ...ServiceAbstract for what its
    // destruction leaves current.
    virtual ~ServiceInterface();
    // Registers the class's engine callbacks, with client value 0; called by
    // makeCurrent() for the first object of the class.
    virtual void registerCallbacks() = 0;
    // Makes this object the one the engine's callbacks of its class forward to,
    // registering the callbacks first if no object of the class did.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called at any time, also from inside an engine
    // callback: the next callback goes to this object.
    virtual void makeCurrent() = 0;
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_SERVICEINTERFACE_H
