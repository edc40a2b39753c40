#ifndef ORVANE_INTEGRATION_SERVICES_MANAGERMISCSERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_MANAGERMISCSERVICEABSTRACT_H

#include "integration/services/ManagerMiscServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Serves the engine's screen, keyboard, mouse and OpenGL-version queries
// through the current object. The host subclasses it and makes an object
// current before init(): the event objects and the interrupt processor use
// the current object too.
class OVSDK_INTEGRATION_EXPORT ManagerMiscServiceAbstract : public virtual ServiceInterface,
                                                            public virtual ManagerMiscServiceInterface
{
public:
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    ManagerMiscServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~ManagerMiscServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

    // The current object, or null. init() hands it to the event manager's
    // interrupt processor, which keeps it until stop(): that object must
    // live as long. Event objects read their modifiers through the object
    // current when they are made.
    //
    // @thread_safety GUI thread only; not checked.
    static ManagerMiscServiceInterface* getCurrentInstance();

protected:
    // The object the engine's queries go to; null: the engine's own values
    // stand (outputs untouched, buttons released, no version text).
    static ManagerMiscServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;

private:
    static void staticDotPitchCallback(ArbParam_t clientData, double* dotPitchX, double* dotPitchY);
    static void staticScreenSizeCallback(ArbParam_t clientData, int* width, int* height);
    static void staticKeyStateCallback(ArbParam_t clientData, Boolean_t* shift, Boolean_t* alt, Boolean_t* control);
    static Boolean_t staticMouseButtonStateCallback(int button, ArbParam_t clientData);
    static const char* staticOpenGLVersionStringCallback(ArbParam_t clientData);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MANAGERMISCSERVICEABSTRACT_H
