#ifndef ORVANE_INTEGRATION_PAGECHANGELISTENERINTERFACE_H
#define ORVANE_INTEGRATION_PAGECHANGELISTENERINTERFACE_H

#include "util/Export.h"

#include <string>

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaInterface;
class PageInterface;

// Hears the changes of one page: its name and the drawing area showing it.
class OVSDK_INTEGRATION_EXPORT PageChangeListenerInterface
{
public:
    // After the name changed; `oldName` is the name it had before.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy The listener may remove itself or add others; see
    // `docs/host-guide.md#announcements-and-exceptions`.
    // @errors An exception passes on once every listener and slot has heard
    // of the change.
    virtual void pageNameChanged(std::string oldName, PageInterface& page) = 0;
    // After the drawing area changed; `oldDrawArea` may be null.
    //
    // @thread_safety Called on the GUI thread.
    // @reentrancy The listener may remove itself or add others; see
    // `docs/host-guide.md#announcements-and-exceptions`.
    // @errors An exception passes on once every listener and slot has heard
    // of the change.
    virtual void pageDrawAreaChanged(GLDrawAreaInterface* oldDrawArea, PageInterface& page) = 0;
    // Remove the listener from its page before destroying it.
    virtual ~PageChangeListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGECHANGELISTENERINTERFACE_H
