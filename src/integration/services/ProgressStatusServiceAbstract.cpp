#include "integration/services/ProgressStatusServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

ProgressStatusServiceInterface* ProgressStatusServiceAbstract::m_currentInstance = nullptr;
bool ProgressStatusServiceAbstract::m_callbacksRegistered = false;

ProgressStatusServiceAbstract::ProgressStatusServiceAbstract() = default;

ProgressStatusServiceAbstract::~ProgressStatusServiceAbstract()
{
    m_currentInstance = nullptr;
}

void ProgressStatusServiceAbstract::registerCallbacks()
{
    engine::OrvEngStatusLineRegisterCallback(
        &callbacks::statusLine<&ProgressStatusServiceAbstract::static_StatusLineCallback>,
        0);
    engine::OrvEngProgressMonitorRegisterCallback(
        &callbacks::progressMonitor<&ProgressStatusServiceAbstract::static_ProgressMonitorCallback>,
        &callbacks::progressMonitorStart<&ProgressStatusServiceAbstract::static_ProgressMonitorStartCallback>,
        &callbacks::progressMonitorFinish<&ProgressStatusServiceAbstract::static_ProgressMonitorFinishCallback>,
        0);
}

void ProgressStatusServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

void ProgressStatusServiceAbstract::static_StatusLineCallback(const char* text, ArbParam_t)
{
    if (m_currentInstance)
        m_currentInstance->setStatusLine(text);
}

void ProgressStatusServiceAbstract::static_ProgressMonitorCallback(int percentDone, ArbParam_t)
{
    if (m_currentInstance)
        m_currentInstance->updateProgressMonitor(percentDone);
}

void ProgressStatusServiceAbstract::static_ProgressMonitorStartCallback(Boolean_t first, Boolean_t second, ArbParam_t)
{
    if (m_currentInstance)
        m_currentInstance->startProgressMonitor(first == TRUE, second == TRUE);
}

void ProgressStatusServiceAbstract::static_ProgressMonitorFinishCallback(ArbParam_t)
{
    if (m_currentInstance)
        m_currentInstance->finishProgressMonitor();
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
