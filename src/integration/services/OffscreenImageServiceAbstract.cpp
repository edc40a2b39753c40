#include "integration/services/OffscreenImageServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/intern/boundary/TraceEvents.h"
#include "integration/services/intern/MakeServiceCurrent.h"
#include "ovexception/ExceptionBase.h"

#include <exception>
#include <string>

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

OffscreenImageServiceInterface* OffscreenImageServiceAbstract::m_currentInstance = nullptr;
bool OffscreenImageServiceAbstract::m_callbacksRegistered = false;

namespace {

// In batch mode nobody sees the graphics fail, so a failure without a message
// still says what to try.
void reportImageFailure(const std::string& message)
{
    const bool batchMode = engine::OrvUtilMacroIsBatchModeActive() == TRUE;
    std::string report = message;
    if (batchMode && report.empty())
        report = "Please confirm that your graphics drivers are up to date. "
                 "Try exporting without the batch mode flag (-b).";
    engine::OrvUtilDialogErrMsg(report.c_str());
}

} // namespace

OffscreenImageServiceAbstract::OffscreenImageServiceAbstract() = default;

OffscreenImageServiceAbstract::~OffscreenImageServiceAbstract()
{
    m_currentInstance = nullptr;
}

void OffscreenImageServiceAbstract::registerCallbacks()
{
    engine::OrvEngOffscreenImageCreateRegisterCallback(
        &callbacks::offscreenImageCreate<&OffscreenImageServiceAbstract::static_ImageCreateCallback>,
        0);
    engine::OrvEngOffscreenImageDestroyRegisterCallback(
        &callbacks::offscreenImageDestroy<&OffscreenImageServiceAbstract::static_ImageDestroyCallback>,
        0);
    engine::OrvEngOffscreenImageGetRGBRowRegisterCallback(
        &callbacks::offscreenImageGetRGBRow<&OffscreenImageServiceAbstract::static_ImageGetRGBRowCallback>,
        0);
}

void OffscreenImageServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

// Makes the image and renders the plot into it. A failure of the host's
// graphics is reported to the user here rather than passed to the engine:
// after an orvane::ExceptionBase the engine gets the result as far as it
// got (and destroys an image it got); after any other exception the image
// is released here and the engine gets none. Without a place for the
// handle no image is made, since the engine could never destroy it.
Boolean_t OffscreenImageServiceAbstract::static_ImageCreateCallback(int width, int height, ExportRegion_e region,
                                                                   ArbParam_t, ArbParam_t* imageHandle)
{
    if (!m_currentInstance || !imageHandle)
        return FALSE;
    bool result = false;
    OffscreenImageInterface* image = nullptr;
    try
    {
        image = m_currentInstance->createImage(width, height);
        *imageHandle = reinterpret_cast<ArbParam_t>(image);
        result = image != nullptr;
        if (image)
            result = image->render(region);
    }
    catch (const orvane::ExceptionBase& exception)
    {
        reportImageFailure(exception.getMessage());
    }
    catch (...)
    {
        // Not an exception the engine can be handed through its C call.
        std::string message;
        try
        {
            throw;
        }
        catch (const std::exception& exception)
        {
            message = exception.what();
        }
        catch (...)
        {
        }
        reportImageFailure(message);
        if (image != nullptr)
        {
            *imageHandle = 0;
            m_currentInstance->destroyImage(reinterpret_cast<ArbParam_t>(image));
            // The engine never destroys it: its number in a recording goes now.
            integration::intern::traceGone(image);
        }
        result = false;
    }
    return result ? TRUE : FALSE;
}

void OffscreenImageServiceAbstract::static_ImageDestroyCallback(ArbParam_t imageHandle, ArbParam_t)
{
    if (m_currentInstance && imageHandle != 0)
        m_currentInstance->destroyImage(imageHandle);
}

Boolean_t OffscreenImageServiceAbstract::static_ImageGetRGBRowCallback(ArbParam_t imageHandle, int row, ArbParam_t,
                                                                      unsigned char* red, unsigned char* green,
                                                                      unsigned char* blue)
{
    if (!m_currentInstance)
        return FALSE;
    return m_currentInstance->getRGBRow(imageHandle, row, red, green, blue) ? TRUE : FALSE;
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
