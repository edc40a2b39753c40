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
    virtual ~ServiceInterface();
    virtual void registerCallbacks() = 0;
    virtual void makeCurrent() = 0;
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_SERVICEINTERFACE_H
