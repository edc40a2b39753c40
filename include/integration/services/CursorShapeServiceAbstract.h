#ifndef ORVANE_INTEGRATION_SERVICES_CURSORSHAPESERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_CURSORSHAPESERVICEABSTRACT_H

#include "integration/services/CursorShapeServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Sets the cursor shapes the engine asks for through the current object.
class OVSDK_INTEGRATION_EXPORT CursorShapeServiceAbstract : public virtual ServiceInterface,
                                                            public virtual CursorShapeServiceInterface
{
public:
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    CursorShapeServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~CursorShapeServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's cursor callbacks go to; null: they do nothing.
    static CursorShapeServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;
    // The style and render handle last forwarded to a cursor service.
    static CursorStyle_e m_currentCursorStyle;
    // Only a change of style or handle reaches the current object.
    static long long m_currentRenderHandle;

private:
    // Engine callbacks; the client value is always 0.
    static void baseCursorStyleCallback(CursorStyle_e style, ArbParam_t renderHandle, ArbParam_t clientData);
    static void waitCursorStateCallback(Boolean_t activate, ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_CURSORSHAPESERVICEABSTRACT_H
