#ifndef ORVANE_INTEGRATION_PAGEMANAGERLISTENERINTERFACE_H
#define ORVANE_INTEGRATION_PAGEMANAGERLISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class PageInterface;
class PageManagerInterface;

// Hears the page manager's announcements. Listeners are told before the
// manager's signals fire.
class OVSDK_INTEGRATION_EXPORT PageManagerListenerInterface
{
public:
    // A page was created and counted.
    //
    // @thread_safety Called on the GUI thread, from inside addPage() or the
    // engine's page-create callback.
    // @reentrancy See `docs/host-guide.md#announcements-and-exceptions`.
    // @errors An exception passes on once every listener and slot has heard
    // of the page.
    virtual void pageCreated(PageInterface& page, PageManagerInterface& manager) = 0;
    // A page is being destroyed; it is still alive during the call.
    //
    // @thread_safety Called on the GUI thread, from inside the engine's
    // destroy callback.
    // @reentrancy See `docs/host-guide.md#announcements-and-exceptions`.
    // @errors As pageCreated().
    virtual void pageDestroyed(PageInterface& page, PageManagerInterface& manager) = 0;
    // The engine's current page changed. Ask manager.getCurrentPage() for the
    // new one: `page` is the previously current page when there was one.
    //
    // @thread_safety Called on the GUI thread, from inside the engine call
    // that switched pages (or addPage()).
    // @reentrancy See `docs/host-guide.md#announcements-and-exceptions`.
    // @errors As pageCreated().
    virtual void currentPageChanged(PageInterface& page, PageManagerInterface& manager) = 0;
    // Remove the listener from the page manager before destroying it.
    virtual ~PageManagerListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGEMANAGERLISTENERINTERFACE_H
