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
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    RunningCoordsServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~RunningCoordsServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's running coordinates go to; null: dropped.
    static RunningCoordsServiceAbstract* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of showRunningCoordinates() passes through to the engine.
    static void static_StatusLineCoordsCallback(const char* first, const char* second, ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_RUNNINGCOORDSSERVICEABSTRACT_H
