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
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    ProgressStatusServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~ProgressStatusServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's status and progress go to; null: dropped.
    static ProgressStatusServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0. Forwards to
    // setStatusLine() of the current object.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of setStatusLine() passes through to the engine.
    static void static_StatusLineCallback(const char* text, ArbParam_t clientData);
    // Forwards to updateProgressMonitor() of the current object.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of updateProgressMonitor() passes through to the engine.
    static void static_ProgressMonitorCallback(int percentDone, ArbParam_t clientData);
    // Forwards to startProgressMonitor() of the current object.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of startProgressMonitor() passes through to the engine.
    static void static_ProgressMonitorStartCallback(Boolean_t first, Boolean_t second, ArbParam_t clientData);
    // Forwards to finishProgressMonitor() of the current object.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of finishProgressMonitor() passes through to the engine.
    static void static_ProgressMonitorFinishCallback(ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEABSTRACT_H
