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
    CursorShapeServiceAbstract();
    ~CursorShapeServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    static CursorShapeServiceInterface* m_currentInstance;
    static bool m_callbacksRegistered;
    // The style and render handle last forwarded to a cursor service.
    static CursorStyle_e m_currentCursorStyle;
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
