#ifndef ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// The host's status line and progress display.
class OVSDK_INTEGRATION_EXPORT ProgressStatusServiceInterface
{
public:
    virtual void setStatusLine(const char* text) = 0;
    // The two flags are the engine's, passed in its order.
    virtual void startProgressMonitor(bool first, bool second) = 0;
    virtual void finishProgressMonitor() = 0;
    virtual void updateProgressMonitor(int percentDone) = 0;
    virtual ~ProgressStatusServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEINTERFACE_H
