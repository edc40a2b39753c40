#ifndef ORVANE_INTEGRATION_SERVICES_DIALOGGETSIMPLETEXTSERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_DIALOGGETSIMPLETEXTSERVICEABSTRACT_H

#include "integration/services/DialogGetSimpleTextServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Asks the user for a text through the current object's dialog.
class OVSDK_INTEGRATION_EXPORT DialogGetSimpleTextServiceAbstract : public virtual ServiceInterface,
                                                                    public virtual DialogGetSimpleTextServiceInterface
{
public:
    DialogGetSimpleTextServiceAbstract();
    ~DialogGetSimpleTextServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    static DialogGetSimpleTextServiceInterface* m_currentInstance;
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    static Boolean_t dialogGetSimpleTextBoxCallback(const char* instructions, char** text, Boolean_t useText,
                                                    ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_DIALOGGETSIMPLETEXTSERVICEABSTRACT_H
