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
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    SelectRegionServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~SelectRegionServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's region selections go to; null: dropped.
    static SelectRegionServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
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
