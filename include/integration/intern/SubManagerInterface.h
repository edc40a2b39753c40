#ifndef ORVANE_INTEGRATION_INTERN_SUBMANAGERINTERFACE_H
#define ORVANE_INTEGRATION_INTERN_SUBMANAGERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// Base of the sub-managers that register engine callbacks.
class OVSDK_INTEGRATION_EXPORT SubManagerInterface
{
public:
    // Registers the sub-manager's engine callbacks, with its own address as
    // the client value; called once by init().
    virtual void registerCallbacks() = 0;
    // Owned by ManagerAbstract.
    virtual ~SubManagerInterface();
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_SUBMANAGERINTERFACE_H
