#ifndef ORVANE_INTEGRATION_SERVICES_RUNNINGCOORDSSERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_RUNNINGCOORDSSERVICEABSTRACT_H

#include "integration/services/RunningCoordsServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Shows the engine's running coordinates through the current object.
class OVSDK_INTEGRATION_EXPORT RunningCoordsServiceAbstract : public virtual ServiceInterface,
                                                              public virtual RunningCoordsServiceInterface
{
public:
    RunningCoordsServiceAbstract();
    ~RunningCoordsServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    static RunningCoordsServiceAbstract* m_currentInstance;
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    static void static_StatusLineCoordsCallback(const char* first, const char* second, ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_RUNNINGCOORDSSERVICEABSTRACT_H
