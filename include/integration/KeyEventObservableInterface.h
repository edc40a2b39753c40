#ifndef ORVANE_INTEGRATION_KEYEVENTOBSERVABLEINTERFACE_H
#define ORVANE_INTEGRATION_KEYEVENTOBSERVABLEINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class KeyEventListenerInterface;

// A source of key input. Key input has listeners only, no signal.
class OVSDK_INTEGRATION_EXPORT KeyEventObservableInterface
{
public:
    // Listeners are not owned and must not be null.
    virtual void addKeyboardListener(KeyEventListenerInterface* listener) = 0;
    virtual void removeKeyboardListener(KeyEventListenerInterface* listener) = 0;
    virtual ~KeyEventObservableInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_KEYEVENTOBSERVABLEINTERFACE_H
