#ifndef ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// The host's status line and progress display.
class OVSDK_INTEGRATION_EXPORT ProgressStatusServiceInterface
{
public:
    // Shows `text` (the engine's, as given; may be null) in the status line.
    //
    // @thread_safety Called by the engine on the GUI thread, often from
    // inside long operations: keep it short, process no events here.
    virtual void setStatusLine(const char* text) = 0;
    // The two flags are the engine's, passed in its order.
    //
    // @thread_safety Called by the engine on the GUI thread.
    virtual void startProgressMonitor(bool first, bool second) = 0;
    // The operation is over: hide the progress display.
    //
    // @thread_safety Called by the engine on the GUI thread.
    virtual void finishProgressMonitor() = 0;
    // The operation is `percentDone` per cent done.
    //
    // @thread_safety Called by the engine on the GUI thread.
    virtual void updateProgressMonitor(int percentDone) = 0;
    // See ProgressStatusServiceAbstract for what its destruction leaves current.
    virtual ~ProgressStatusServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_PROGRESSSTATUSSERVICEINTERFACE_H
