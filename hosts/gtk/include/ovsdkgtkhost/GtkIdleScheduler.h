#ifndef OVSDKGTKHOST_GTKIDLESCHEDULER_H
#define OVSDKGTKHOST_GTKIDLESCHEDULER_H

#include "ovsdkgtkhost/Export.h"

#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

namespace orvane {
namespace sdk {
namespace gtkhost {

// Idle-time actions from GLib's main loop.
//
// Implements: the IdleActionScheduler of OnIdleActionPerformerSingleShot:
// when idle work appears, an idle source (g_idle_add) runs
// processIdleActions() once the loop has nothing more urgent. Installed
// for the lifetime of the object (the previous scheduler comes back
// afterwards).
// Leaves to the application: making one after gtk_init(), for as long as
// idle actions should run by themselves.
class OVSDKGTKHOST_EXPORT GtkIdleScheduler : public ui::common::IdleActionScheduler
{
public:
    // Installs itself as the idle-action scheduler.
    GtkIdleScheduler();
    // Puts the previous scheduler back and removes a pending idle source.
    ~GtkIdleScheduler() override;
    // Not copyable: it is installed by address.
    GtkIdleScheduler(const GtkIdleScheduler&) = delete;
    // Not copyable.
    GtkIdleScheduler& operator=(const GtkIdleScheduler&) = delete;

    // Adds one idle source that runs processIdleActions(); does nothing
    // while one is pending.
    void scheduleIdleProcessing() override;

private:
    unsigned m_source;
    ui::common::IdleActionScheduler* m_previous;
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKIDLESCHEDULER_H
