#include "integration/services/ProgressStatusServiceAbstract.h"

#include "integration/intern/TraceRecorder.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

ProgressStatusServiceInterface* ProgressStatusServiceAbstract::m_currentInstance = nullptr;
bool ProgressStatusServiceAbstract::m_callbacksRegistered = false;

ProgressStatusServiceAbstract::ProgressStatusServiceAbstract() = default;

ProgressStatusServiceAbstract::~ProgressStatusServiceAbstract()
{
    m_currentInstance = nullptr;
}

void ProgressStatusServiceAbstract::registerCallbacks()
{
    OrvEngStatusLineRegisterCallback(static_StatusLineCallback, 0);
    OrvEngProgressMonitorRegisterCallback(static_ProgressMonitorCallback, static_ProgressMonitorStartCallback,
                                          static_ProgressMonitorFinishCallback, 0);
}

void ProgressStatusServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

void ProgressStatusServiceAbstract::static_StatusLineCallback(const char* text, ArbParam_t)
{
    const integration::intern::TraceSpan span("callback", "static_StatusLineCallback");
    if (m_currentInstance)
        m_currentInstance->setStatusLine(text);
}

void ProgressStatusServiceAbstract::static_ProgressMonitorCallback(int percentDone, ArbParam_t)
{
    const integration::intern::TraceSpan span("callback", "static_ProgressMonitorCallback");
    if (m_currentInstance)
        m_currentInstance->updateProgressMonitor(percentDone);
}

void ProgressStatusServiceAbstract::static_ProgressMonitorStartCallback(Boolean_t first, Boolean_t second, ArbParam_t)
{
    const integration::intern::TraceSpan span("callback", "static_ProgressMonitorStartCallback");
    if (m_currentInstance)
        m_currentInstance->startProgressMonitor(first == TRUE, second == TRUE);
}

void ProgressStatusServiceAbstract::static_ProgressMonitorFinishCallback(ArbParam_t)
{
    const integration::intern::TraceSpan span("callback", "static_ProgressMonitorFinishCallback");
    if (m_currentInstance)
        m_currentInstance->finishProgressMonitor();
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
