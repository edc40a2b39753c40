#ifndef ORVANE_INTEGRATION_SERVICES_SERVICEREPOSITORYINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_SERVICEREPOSITORYINTERFACE_H

#include "integration/services/ServiceInterface.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Where the host makes its service objects current.
class OVSDK_INTEGRATION_EXPORT ServiceRepositoryInterface
{
public:
    // Makes `service` the current object of its service class.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called at any time, also from inside an engine
    // callback: the next callback goes to `service`.
    virtual void setService(ServiceInterface* const service) = 0;
    // Owned by ManagerAbstract.
    virtual ~ServiceRepositoryInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_SERVICEREPOSITORYINTERFACE_H
