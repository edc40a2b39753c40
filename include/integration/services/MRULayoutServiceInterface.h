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
    //
    // @thread_safety Called by the engine on the GUI thread.
    virtual void updateMRULayout(const std::string& layoutFileName) = 0;
    // See MRULayoutServiceAbstract for what its destruction leaves current.
    virtual ~MRULayoutServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEINTERFACE_H
