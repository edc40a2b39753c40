#ifndef OVSDKQTHOST_QTIDLESCHEDULER_H
#define OVSDKQTHOST_QTIDLESCHEDULER_H

#include "ovsdkqthost/Export.h"

#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

#include <QObject>

namespace orvane {
namespace sdk {
namespace qthost {

// Idle-time actions from the Qt event loop.
//
// Implements: the IdleActionScheduler of OnIdleActionPerformerSingleShot:
// when idle work appears, a zero-interval timer is posted that runs
// processIdleActions() once the event loop has handled what is queued.
// Installed for the lifetime of the object (the previous scheduler comes
// back afterwards).
// Leaves to the application: creating one after the QGuiApplication, for as
// long as idle actions should run by themselves.
class OVSDKQTHOST_EXPORT QtIdleScheduler : public ui::common::IdleActionScheduler
{
public:
    // Installs itself as the idle-action scheduler.
    //
    // @thread_safety Make it on the GUI thread, after the QGuiApplication.
    QtIdleScheduler();
    // Puts the previous scheduler back; a posted run is dropped.
    ~QtIdleScheduler() override;
    // Not copyable: it is installed by address.
    QtIdleScheduler(const QtIdleScheduler&) = delete;
    // Not copyable.
    QtIdleScheduler& operator=(const QtIdleScheduler&) = delete;

    // Posts one zero-interval timer that runs processIdleActions(); does
    // nothing while one is posted.
    void scheduleIdleProcessing() override;

private:
    QObject m_timerContext; // posted timers die with it
    bool m_posted;
    ui::common::IdleActionScheduler* m_previous;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTIDLESCHEDULER_H
