#ifndef ORVANE_INTEGRATION_MOUSEEVENTLISTENERINTERFACE_H
#define ORVANE_INTEGRATION_MOUSEEVENTLISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class MouseEventInterface;
class MouseEventObservableInterface;

// Hears the mouse input of a MouseEventObservableInterface (wheel rotations
// come only through its signal). `source` is the observable on whose behalf
// the call is made.
class OVSDK_INTEGRATION_EXPORT MouseEventListenerInterface
{
public:
    virtual void mouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    virtual void buttonPressed(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    virtual void buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    virtual void buttonReleased(MouseEventInterface& event, MouseEventObservableInterface& source) = 0;
    virtual ~MouseEventListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MOUSEEVENTLISTENERINTERFACE_H
