#include "integration/services/intern/ServiceRepository.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {
namespace intern {

void ServiceRepository::setService(ServiceInterface* const service)
{
    if (service)
        service->makeCurrent();
}

} // namespace intern
} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
