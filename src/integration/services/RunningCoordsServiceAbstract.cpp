#include "integration/services/RunningCoordsServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

RunningCoordsServiceAbstract* RunningCoordsServiceAbstract::m_currentInstance = nullptr;
bool RunningCoordsServiceAbstract::m_callbacksRegistered = false;

RunningCoordsServiceAbstract::RunningCoordsServiceAbstract() = default;

RunningCoordsServiceAbstract::~RunningCoordsServiceAbstract()
{
    m_currentInstance = nullptr;
}

void RunningCoordsServiceAbstract::registerCallbacks()
{
    engine::OrvEngShowRunningCoordinatesRegisterCallback(
        &callbacks::showRunningCoordinates<&RunningCoordsServiceAbstract::static_StatusLineCoordsCallback>,
        0);
}

void RunningCoordsServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

void RunningCoordsServiceAbstract::static_StatusLineCoordsCallback(const char* first, const char* second, ArbParam_t)
{
    if (m_currentInstance)
        static_cast<RunningCoordsServiceInterface*>(m_currentInstance)->showRunningCoordinates(first, second);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
