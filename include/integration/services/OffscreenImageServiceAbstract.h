#ifndef ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGESERVICEABSTRACT_H
#define ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGESERVICEABSTRACT_H

#include "integration/services/OffscreenImageServiceInterface.h"
#include "integration/services/ServiceInterface.h"
#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Creates, reads and destroys the engine's offscreen images through the current object.
class OVSDK_INTEGRATION_EXPORT OffscreenImageServiceAbstract : public virtual ServiceInterface,
                                                               public virtual OffscreenImageServiceInterface
{
public:
    // An object that is not current until made current (makeCurrent(), or
    // ServiceRepositoryInterface::setService).
    OffscreenImageServiceAbstract();
    // Leaves the class with no current object, whether or not this one was
    // current: the engine's callbacks then get the fallback answer. The
    // callbacks stay registered.
    ~OffscreenImageServiceAbstract() override;

    void registerCallbacks() override;
    void makeCurrent() override;

protected:
    // The object the engine's image requests go to; null: no image is made
    // and rows are not read (FALSE).
    static OffscreenImageServiceInterface* m_currentInstance;
    // Whether the class's engine callbacks are registered; never reset.
    static bool m_callbacksRegistered;

private:
    // Engine callbacks; the client value is always 0.
    static Boolean_t static_ImageCreateCallback(int width, int height, ExportRegion_e region, ArbParam_t clientData,
                                                ArbParam_t* imageHandle);
    static void static_ImageDestroyCallback(ArbParam_t imageHandle, ArbParam_t clientData);
    static Boolean_t static_ImageGetRGBRowCallback(ArbParam_t imageHandle, int row, ArbParam_t clientData,
                                                  unsigned char* red, unsigned char* green, unsigned char* blue);
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_OFFSCREENIMAGESERVICEABSTRACT_H
