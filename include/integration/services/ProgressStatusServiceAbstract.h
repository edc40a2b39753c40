#ifndef ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEABSTRACT_H

#include "integration/services/ProgressStatusServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Shows the engine's status line and progress through the current object.
class OVSDK_INTEGRATION_EXPORT ProgressStatusServiceAbstract : public virtual ServiceInterface,
                                                               public virtual ProgressStatusServiceInterface
{
public:
    ProgressStatusServiceAbstract();
    ~ProgressStatusServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    static ProgressStatusServiceInterface* m_currentInstance;
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    static void static_StatusLineCallback(const char* text, ArbParam_t clientData);
    static void static_ProgressMonitorCallback(int percentDone, ArbParam_t clientData);
    static void static_ProgressMonitorStartCallback(Boolean_t first, Boolean_t second, ArbParam_t clientData);
    static void static_ProgressMonitorFinishCallback(ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEABSTRACT_H
