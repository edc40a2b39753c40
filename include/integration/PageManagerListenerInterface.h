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
    // @reentrancy May remove itself or add listeners; deletePage() waits for
    // idle time; setCurrentPage() is ignored ("request.ignored"); stop() is
    // refused ("reentry.stop-in-announcement").
    // @errors An exception passes on once every listener and slot has heard
    // of the page.
    virtual void pageCreated(PageInterface& page, PageManagerInterface& manager) = 0;
    // A page is being destroyed; it is still alive during the call.
    //
    // @thread_safety Called on the GUI thread, from inside the engine's
    // destroy callback.
    // @reentrancy May remove itself or add listeners; a deletion of another
    // page waits for idle time; setCurrentPage() of this page is ignored;
    // stop() is refused ("reentry.stop-in-announcement").
    // @errors As pageCreated().
    virtual void pageDestroyed(PageInterface& page, PageManagerInterface& manager) = 0;
    // The engine's current page changed. Ask manager.getCurrentPage() for the
    // new one: `page` is the previously current page when there was one.
    //
    // @thread_safety Called on the GUI thread, from inside the engine call
    // that switched pages (or addPage()).
    // @reentrancy setCurrentPage() may be called here; deletePage() of a page
    // named by the change waits for idle time; stop() is refused
    // ("reentry.stop-in-announcement").
    // @errors As pageCreated().
    virtual void currentPageChanged(PageInterface& page, PageManagerInterface& manager) = 0;
    // Remove the listener from the page manager before destroying it.
    virtual ~PageManagerListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGEMANAGERLISTENERINTERFACE_H
