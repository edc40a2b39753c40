#ifndef OVSDKHEADLESSHOST_HEADLESSMANAGER_H
#define OVSDKHEADLESSHOST_HEADLESSMANAGER_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessApplicationEventMonitor.h"

#include "integration/ManagerAbstract.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

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
class OVSDKHEADLESSHOST_EXPORT HeadlessManager : public integration::ManagerAbstract
{
public:
    // Makes the manager and its application event monitor on `loop` and
    // `display`.
    //
    // @thread_safety GUI thread only.
    HeadlessManager(HeadlessEventLoop& loop, HeadlessDisplay& display);

    integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;
    // The manager's application event monitor.
    HeadlessApplicationEventMonitor& monitor();

private:
    HeadlessApplicationEventMonitor m_monitor;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSMANAGER_H
