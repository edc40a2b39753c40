#ifndef ORVANE_INTEGRATION_PAGERENDERDECIDERINTERFACE_H
#define ORVANE_INTEGRATION_PAGERENDERDECIDERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class PageInterface;

// Decides, for each swap-buffers request of the engine, whether the picture
// just drawn for a page is shown. The page manager keeps a stack of them; the
// top one answers. Pushed as boost::shared_ptr, so the host may share it.
class OVSDK_INTEGRATION_EXPORT PageRenderDeciderInterface
{
public:
    // A decider of the host's, or InterruptedPlotRepairer.
    PageRenderDeciderInterface() {}
    // Copies nothing: the interface has no state.
    PageRenderDeciderInterface(const PageRenderDeciderInterface&) {}
    // Copies nothing: the interface has no state.
    PageRenderDeciderInterface& operator=(const PageRenderDeciderInterface&) { return *this; }

    // The page manager's stack shares ownership of its deciders.
    virtual ~PageRenderDeciderInterface();
    // True when the buffers of the page's drawing area are to be swapped.
    //
    // @thread_safety Called on the GUI thread from the engine's swap callback.
    // @current No context of the engine's is current: the engine's
    // releaseCurrent() came first.
    virtual bool shouldOpenGLBuffersBeSwapped(PageInterface& page) const = 0;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGERENDERDECIDERINTERFACE_H
