#ifndef ORVANE_INTEGRATION_SERVICES_INTERN_SERVICEREPOSITORY_H
#define ORVANE_INTEGRATION_SERVICES_INTERN_SERVICEREPOSITORY_H

#include "integration/services/ServiceRepositoryInterface.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {
namespace intern {

// Keeps nothing: each service class remembers its own current object.
class OVSDK_INTEGRATION_EXPORT ServiceRepository : public virtual ServiceRepositoryInterface
{
public:
    // A null service is ignored.
    void setService(ServiceInterface* const service) override;
};

} // namespace intern
} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_INTERN_SERVICEREPOSITORY_H
