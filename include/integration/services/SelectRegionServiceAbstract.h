#ifndef ORVANE_INTEGRATION_SERVICES_SELECTREGIONSERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_SELECTREGIONSERVICEABSTRACT_H

#include "integration/services/SelectRegionServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Forwards the engine's rectangle selections to the current object.
class OVSDK_INTEGRATION_EXPORT SelectRegionServiceAbstract : public virtual ServiceInterface,
                                                             public virtual SelectRegionServiceInterface
{
public:
    SelectRegionServiceAbstract();
    ~SelectRegionServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    static SelectRegionServiceInterface* m_currentInstance;
    static bool m_callbacksRegistered;

private:
    // Engine callbacks; the client value is always 0.
    static void selectItemsInRectCallback(double x1, double y1, double x2, double y2, Boolean_t flag,
                                          ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_SELECTREGIONSERVICEABSTRACT_H
