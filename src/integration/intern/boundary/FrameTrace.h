#ifndef ORVANE_INTEGRATION_INTERN_BOUNDARY_FRAMETRACE_H
#define ORVANE_INTEGRATION_INTERN_BOUNDARY_FRAMETRACE_H

#include "ovsdkbase.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

class PageRegistry;

// The trace's "frame" span of the render callbacks: begun at a render query,
// ended after the swap (or at a refused query, or at the next query when the
// engine left a frame without a swap). It records the page's id, the size
// the engine was told, and whether the frame was drawn and swapped. Spans
// stay strictly nested: a frame is ended only at the depth it was begun at.
class FrameTrace
{
public:
    explicit FrameTrace(PageRegistry& pages);

    void queried(ArbParam_t pageHandle);
    void sized(ArbParam_t pageHandle, int width, int height);
    void swapped(ArbParam_t pageHandle, bool swapped);
    void ended(bool drawn, bool swapped);

private:
    PageRegistry* m_pages;
    // The recording and depth the open frame was begun at (0 when none is
    // open), its page and the size the engine was told.
    unsigned m_session;
    int m_depth;
    ArbParam_t m_handle;
    int m_width;
    int m_height;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_BOUNDARY_FRAMETRACE_H
