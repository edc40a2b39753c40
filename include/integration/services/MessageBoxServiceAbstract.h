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
    MessageBoxServiceAbstract();
    ~MessageBoxServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    static MessageBoxServiceInterface* m_currentInstance;
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    static MessageBoxReply_e dialogMessageBoxCallback(const char* message, MessageBoxType_e type, ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MESSAGEBOXSERVICEABSTRACT_H
