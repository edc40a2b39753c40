#ifndef ORVANE_INTEGRATION_STOPBUTTONINTERFACE_H
#define ORVANE_INTEGRATION_STOPBUTTONINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// A stop button of the host's user interface. While one is active, only an
// Escape key press interrupts the engine. Held by
// boost::shared_ptr<const StopButtonInterface> while registered.
class OVSDK_INTEGRATION_EXPORT StopButtonInterface
{
public:
    // Whether the button is shown and usable now; asked at every interrupt.
    virtual bool isActive() const = 0;
    // True when `widget` is this button's widget.
    virtual bool isWidget(const void* widget) const = 0;
    // Unregister the button before it goes; the monitor shares its ownership
    // while registered.
    virtual ~StopButtonInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_STOPBUTTONINTERFACE_H
