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
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    DialogGetSimpleTextServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~DialogGetSimpleTextServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's text requests go to; null: the engine gets
    // FALSE (cancelled).
    static DialogGetSimpleTextServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;

    // Engine callbacks; the client value is always 0.
    // On success the engine's text becomes an engine-owned copy of the user's;
    // on cancel it is left alone.
    //
    // @thread_safety Called by the engine on the GUI thread.
    // @errors An exception of getSimpleText() passes through to the engine.
    static Boolean_t dialogGetSimpleTextBoxCallback(const char* instructions, char** text, Boolean_t useText,
                                                    ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_DIALOGGETSIMPLETEXTSERVICEABSTRACT_H
