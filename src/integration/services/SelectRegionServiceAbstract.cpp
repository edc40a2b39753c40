#include "integration/services/SelectRegionServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

SelectRegionServiceInterface* SelectRegionServiceAbstract::m_currentInstance = nullptr;
bool SelectRegionServiceAbstract::m_callbacksRegistered = false;

SelectRegionServiceAbstract::SelectRegionServiceAbstract() = default;

SelectRegionServiceAbstract::~SelectRegionServiceAbstract()
{
    m_currentInstance = nullptr;
}

void SelectRegionServiceAbstract::registerCallbacks()
{
    engine::OrvEngSelectRegionRegisterCallback(
        &callbacks::selectRegion<&SelectRegionServiceAbstract::selectItemsInRectCallback>,
        0);
}

void SelectRegionServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

void SelectRegionServiceAbstract::selectItemsInRectCallback(double x1, double y1, double x2, double y2, Boolean_t flag,
                                                            ArbParam_t)
{
    if (m_currentInstance)
        m_currentInstance->selectItemsInRect(x1, y1, x2, y2, flag == TRUE);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
