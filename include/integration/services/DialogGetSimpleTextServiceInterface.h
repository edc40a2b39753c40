#ifndef ORVANE_INTEGRATION_SERVICES_DIALOGGETSIMPLETEXTSERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_DIALOGGETSIMPLETEXTSERVICEINTERFACE_H

#include "util/Export.h"

#include <string>

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// A one-line text entry dialog.
class OVSDK_INTEGRATION_EXPORT DialogGetSimpleTextServiceInterface
{
public:
    // Asks the user for a text; `text` holds the engine's default on entry
    // (empty when there is none) and the user's text on exit. False when the
    // user cancelled.
    //
    // @thread_safety Called by the engine on the GUI thread, from inside an
    // engine operation.
    // @reentrancy A modal dialog runs the host's event loop while the engine
    // waits: do not stop() the manager from there.
    virtual bool getSimpleText(std::string instructions, std::string& text) = 0;
    // See DialogGetSimpleTextServiceAbstract for what its destruction leaves
    // current.
    virtual ~DialogGetSimpleTextServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_DIALOGGETSIMPLETEXTSERVICEINTERFACE_H
