#ifndef ORVANE_INTEGRATION_SERVICES_MESSAGEBOXSERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_MESSAGEBOXSERVICEABSTRACT_H

#include "integration/services/MessageBoxServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Shows the engine's message boxes through the current object.
class OVSDK_INTEGRATION_EXPORT MessageBoxServiceAbstract : public virtual ServiceInterface,
                                                           public virtual MessageBoxServiceInterface
{
public:
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    MessageBoxServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~MessageBoxServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's message boxes go to; null: the engine gets
    // MessageBoxReply_Invalid (255).
    static MessageBoxServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of showMessageBox() passes through to the engine.
    static MessageBoxReply_e dialogMessageBoxCallback(const char* message, MessageBoxType_e type, ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MESSAGEBOXSERVICEABSTRACT_H
