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
    virtual void pageCreated(PageInterface& page, PageManagerInterface& manager) = 0;
    // A page is being destroyed; it is still alive during the call.
    virtual void pageDestroyed(PageInterface& page, PageManagerInterface& manager) = 0;
    // The engine's current page changed. Ask manager.getCurrentPage() for the
    // new one: `page` is the previously current page when there was one.
    virtual void currentPageChanged(PageInterface& page, PageManagerInterface& manager) = 0;
    virtual ~PageManagerListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGEMANAGERLISTENERINTERFACE_H
