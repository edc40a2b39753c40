#include "integration/intern/boundary/FrameTrace.h"

#include "integration/PageInterface.h"
#include "integration/intern/PageRegistry.h"
#include "integration/intern/boundary/TraceRecorder.h"

#include <cstdint>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

FrameTrace::FrameTrace(PageRegistry& pages)
    : m_pages(&pages), m_session(0), m_depth(0), m_handle(0), m_width(0), m_height(0)
{
}

void FrameTrace::queried(ArbParam_t pageHandle)
{
    const unsigned session = TraceRecorder::session();
    if (session == 0)
        return;
    // A frame the engine left without a swap ends here, if it can.
    if (m_session != 0)
        ended(true, false);
    PageInterface* page = reinterpret_cast<PageInterface*>(static_cast<std::intptr_t>(pageHandle));
    const long long id = page != nullptr && m_pages->isLivePage(page) ? page->getUniqueID() : -1;
    TraceRecorder::begin("frame", "frame", {traceNumber("page", id)});
    m_session = session;
    m_depth = TraceRecorder::depth();
    m_handle = pageHandle;
    m_width = 0;
    m_height = 0;
}

void FrameTrace::sized(ArbParam_t pageHandle, int width, int height)
{
    if (m_session == 0 || pageHandle != m_handle)
        return;
    m_width = width;
    m_height = height;
}

void FrameTrace::swapped(ArbParam_t pageHandle, bool swapped)
{
    if (m_session != 0 && pageHandle == m_handle)
        ended(true, swapped);
}

void FrameTrace::ended(bool drawn, bool swapped)
{
    if (m_session == 0)
        return;
    if (m_session == TraceRecorder::session() && TraceRecorder::depth() == m_depth)
        TraceRecorder::end({traceNumber("drawn", drawn), traceNumber("swapped", swapped), traceNumber("width", m_width),
                            traceNumber("height", m_height)});
    m_session = 0;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
