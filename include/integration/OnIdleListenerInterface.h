#ifndef ORVANE_INTEGRATION_ONIDLELISTENERINTERFACE_H
#define ORVANE_INTEGRATION_ONIDLELISTENERINTERFACE_H

#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class OnIdleObservableInterface;

// Hears the idle time reported by an OnIdleObservableInterface.
class OVSDK_INTEGRATION_EXPORT OnIdleListenerInterface
{
public:
    virtual void onIdle(OnIdleObservableInterface& source) = 0;
    virtual ~OnIdleListenerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_ONIDLELISTENERINTERFACE_H
