#ifndef ORVANE_INTEGRATION_KEYEVENTLISTENERINTERFACE_H
#define ORVANE_INTEGRATION_KEYEVENTLISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class KeyEventInterface;
class KeyEventObservableInterface;

// Hears the key input of a KeyEventObservableInterface. `source` is the
// observable on whose behalf the call is made.
class OVSDK_INTEGRATION_EXPORT KeyEventListenerInterface
{
public:
    virtual void keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source) = 0;
    virtual void keyReleased(KeyEventInterface& event, KeyEventObservableInterface& source) = 0;
    virtual ~KeyEventListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_KEYEVENTLISTENERINTERFACE_H
