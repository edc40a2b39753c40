// The manager of an application with no window system.
//
// Implements: ManagerAbstract with a HeadlessApplicationEventMonitor of its
// own on the application's loop and display (made with the manager, gone
// before the manager's parts).
// Leaves to the application: the services (the miscellaneous-queries
// service current before init()), init() ("-b" for batch mode), start()
// and stop().
//
// Thread safety: GUI thread only.
#ifndef OVSDKHEADLESSHOST_HEADLESSMANAGER_H
#define OVSDKHEADLESSHOST_HEADLESSMANAGER_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessApplicationEventMonitor.h"

#include "integration/ManagerAbstract.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

class OVSDKHEADLESSHOST_EXPORT HeadlessManager : public integration::ManagerAbstract
{
public:
    HeadlessManager(HeadlessEventLoop& loop, HeadlessDisplay& display);

    integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;
    HeadlessApplicationEventMonitor& monitor();

private:
    HeadlessApplicationEventMonitor m_monitor;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSMANAGER_H
