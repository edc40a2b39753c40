#ifndef ORVANE_INTEGRATION_SERVICES_MESSAGEBOXSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_MESSAGEBOXSERVICEINTERFACE_H

#include "ovsdkbase.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// Message boxes the engine asks the host to show.
class OVSDK_INTEGRATION_EXPORT MessageBoxServiceInterface
{
public:
    // Shows `message` (the engine's text, as given) in a box of `type` and
    // answers the user's reply.
    //
    // @thread_safety Called by the engine on the GUI thread, from inside an
    // engine operation.
    // @reentrancy A modal box runs the host's event loop while the engine
    // waits: do not stop() the manager from there.
    virtual MessageBoxReply_e showMessageBox(const char* message, MessageBoxType_e type) = 0;
    // See MessageBoxServiceAbstract for what its destruction leaves current.
    virtual ~MessageBoxServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_MESSAGEBOXSERVICEINTERFACE_H
