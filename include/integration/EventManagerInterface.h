#ifndef ORVANE_INTEGRATION_EVENTMANAGERINTERFACE_H
#define ORVANE_INTEGRATION_EVENTMANAGERINTERFACE_H

#include "integration/KeyEventObservableInterface.h"
#include "integration/MouseEventObservableInterface.h"
#include "integration/OnIdleObservableInterface.h"
#include "util/Export.h"

#include <boost/shared_ptr.hpp>

namespace orvane {
namespace sdk {
namespace integration {

class StopButtonInterface;

// Reports the input that the engine's work area receives from the drawing
// areas, and idle time after the engine has done its idle work. Application-
// wide input is heard through the application event monitor instead.
class OVSDK_INTEGRATION_EXPORT EventManagerInterface : public virtual OnIdleObservableInterface,
                                                       public virtual MouseEventObservableInterface,
                                                       public virtual KeyEventObservableInterface
{
public:
    // Whether the engine is busy (OrvUtilIsBusy through the monitor).
    virtual bool isBusy() = 0;
    // Registers a stop button with the application event monitor; see
    // ApplicationEventMonitorInterface::registerStopButton.
    virtual void registerStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) = 0;
    // Unregisters a stop button from the application event monitor; an
    // unknown one is ignored.
    virtual void unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>& stopButton) = 0;
    // Owned by the manager: it exists from init() to stop().
    ~EventManagerInterface() override;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_EVENTMANAGERINTERFACE_H
