#ifndef OVSDKGLFWHOST_GLFWIDLESCHEDULER_H
#define OVSDKGLFWHOST_GLFWIDLESCHEDULER_H

#include "ovsdkglfwhost/Export.h"

#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwEventLoop;

// Idle-time actions from the GLFW application's loop.
//
// Implements: the IdleActionScheduler of OnIdleActionPerformerSingleShot:
// when idle work appears, a task is posted to the GlfwEventLoop (waking it
// if it waits) that runs processIdleActions() once the loop has delivered
// what is queued. Installed for the lifetime of the object (the previous
// scheduler comes back afterwards).
// Leaves to the application: creating one after the loop, for as long as
// idle actions should run by themselves.
class OVSDKGLFWHOST_EXPORT GlfwIdleScheduler : public ui::common::IdleActionScheduler
{
public:
    // Installs itself as the idle-action scheduler, posting to `loop`, which
    // outlives it.
    explicit GlfwIdleScheduler(GlfwEventLoop& loop);
    // Puts the previous scheduler back and cancels a posted run.
    ~GlfwIdleScheduler() override;
    // Not copyable: it is installed by address.
    GlfwIdleScheduler(const GlfwIdleScheduler&) = delete;
    // Not copyable.
    GlfwIdleScheduler& operator=(const GlfwIdleScheduler&) = delete;

    // Posts one task to the loop that runs processIdleActions(); does nothing
    // while one is posted.
    void scheduleIdleProcessing() override;

private:
    GlfwEventLoop& m_loop;
    bool m_posted;
    ui::common::IdleActionScheduler* m_previous;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWIDLESCHEDULER_H
