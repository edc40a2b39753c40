#ifndef ORVANE_INTEGRATION_INTERRUPTEDPLOTREPAIRER_H
#define ORVANE_INTEGRATION_INTERRUPTEDPLOTREPAIRER_H

#include "integration/PageRenderDeciderInterface.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// A page render decider that keeps a picture cut short by an interrupt off
// the screen: when the engine reports an interrupt at swap time, the buffers
// are not swapped and the page is redrawn at the next idle time (only the
// last interrupted page waits). An uninterrupted drawing is swapped and drops
// the waiting repair. A waiting repair whose page is destroyed meanwhile
// never runs. Push it with PageManagerInterface::pushPageRenderDecider.
class OVSDK_INTEGRATION_EXPORT InterruptedPlotRepairer : public virtual PageRenderDeciderInterface
{
public:
    // A repairer with no repair waiting.
    InterruptedPlotRepairer();
    // Not copyable.
    InterruptedPlotRepairer(const InterruptedPlotRepairer&) = delete;
    // Not copyable.
    InterruptedPlotRepairer& operator=(const InterruptedPlotRepairer&) = delete;
    // A waiting repair never runs.
    ~InterruptedPlotRepairer() override;

    // False when the engine was interrupted (OrvUtilInterruptCheck): the
    // frame of `page` is not swapped and `page` is redrawn at the next idle
    // time; true otherwise, which drops the waiting repair.
    //
    // @thread_safety Called on the GUI thread from the engine's swap callback.
    // @current No context of the engine's is current: the engine's
    // releaseCurrent() came first.
    bool shouldOpenGLBuffersBeSwapped(PageInterface& page) const override;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERRUPTEDPLOTREPAIRER_H
