#ifndef ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEABSTRACT_H

#include "integration/services/MRULayoutServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Tells the current object which layout files the engine opened or saved.
class OVSDK_INTEGRATION_EXPORT MRULayoutServiceAbstract : public virtual ServiceInterface,
                                                          public virtual MRULayoutServiceInterface
{
public:
    MRULayoutServiceAbstract();
    ~MRULayoutServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    static MRULayoutServiceInterface* m_currentInstance;
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    static void static_updateMRULayoutCallback(const char* layoutFileName, ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEABSTRACT_H
