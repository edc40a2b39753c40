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
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    MRULayoutServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~MRULayoutServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's layout updates go to; null: they are dropped,
    // as are updates with no file name.
    static MRULayoutServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of updateMRULayout() passes through to the engine.
    static void static_updateMRULayoutCallback(const char* layoutFileName, ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MRULAYOUTSERVICEABSTRACT_H
