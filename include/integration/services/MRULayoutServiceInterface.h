#ifndef ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEINTERFACE_H

#include "util/Export.h"

#include <string>

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// The host's list of recently used layout files.
class OVSDK_INTEGRATION_EXPORT MRULayoutServiceInterface
{
public:
    // The engine has opened or saved `layoutFileName`.
    virtual void updateMRULayout(const std::string& layoutFileName) = 0;
    virtual ~MRULayoutServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEINTERFACE_H
