#ifndef ORVANE_INTEGRATION_SERVICES_CURSORSHAPESERVICEINTERFACE_H
#define ORVANE_INTEGRATION_SERVICES_CURSORSHAPESERVICEINTERFACE_H

#include "ovsdkbase.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

// The mouse cursor over the host's drawing areas.
class OVSDK_INTEGRATION_EXPORT CursorShapeServiceInterface
{
public:
    // Shows or hides the busy cursor.
    //
    // @thread_safety Called by the engine on the GUI thread, from inside its
    // operations (the busy loop included).
    virtual void showWaitCursor(bool show) = 0;
    // The cursor to show over the destination the engine renders to
    // (a page's client handle).
    //
    // @thread_safety Called by the engine on the GUI thread.
    virtual void setBaseCursorStyle(long long renderHandle, CursorStyle_e style) = 0;
    // See CursorShapeServiceAbstract for what its destruction leaves current.
    virtual ~CursorShapeServiceInterface();
};

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_CURSORSHAPESERVICEINTERFACE_H
