#include "integration/services/SelectRegionServiceAbstract.h"

#include "integration/intern/TraceRecorder.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

SelectRegionServiceInterface* SelectRegionServiceAbstract::m_currentInstance = nullptr;
bool SelectRegionServiceAbstract::m_callbacksRegistered = false;

SelectRegionServiceAbstract::SelectRegionServiceAbstract() = default;

SelectRegionServiceAbstract::~SelectRegionServiceAbstract()
{
    m_currentInstance = nullptr;
}

void SelectRegionServiceAbstract::registerCallbacks()
{
    OrvEngSelectRegionRegisterCallback(selectItemsInRectCallback, 0);
}

void SelectRegionServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

void SelectRegionServiceAbstract::selectItemsInRectCallback(double x1, double y1, double x2, double y2, Boolean_t flag,
                                                            ArbParam_t)
{
    const integration::intern::TraceSpan span("callback", "selectItemsInRectCallback");
    if (m_currentInstance)
        m_currentInstance->selectItemsInRect(x1, y1, x2, y2, flag == TRUE);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
