#include "integration/services/RunningCoordsServiceAbstract.h"

#include "integration/intern/TraceRecorder.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

RunningCoordsServiceAbstract* RunningCoordsServiceAbstract::m_currentInstance = nullptr;
bool RunningCoordsServiceAbstract::m_callbacksRegistered = false;

RunningCoordsServiceAbstract::RunningCoordsServiceAbstract() = default;

RunningCoordsServiceAbstract::~RunningCoordsServiceAbstract()
{
    m_currentInstance = nullptr;
}

void RunningCoordsServiceAbstract::registerCallbacks()
{
    OrvEngShowRunningCoordinatesRegisterCallback(static_StatusLineCoordsCallback, 0);
}

void RunningCoordsServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

void RunningCoordsServiceAbstract::static_StatusLineCoordsCallback(const char* first, const char* second, ArbParam_t)
{
    const integration::intern::TraceSpan span("callback", "static_StatusLineCoordsCallback");
    if (m_currentInstance)
        static_cast<RunningCoordsServiceInterface*>(m_currentInstance)->showRunningCoordinates(first, second);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
