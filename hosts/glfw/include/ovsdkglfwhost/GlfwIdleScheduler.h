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
    explicit GlfwIdleScheduler(GlfwEventLoop& loop);
    ~GlfwIdleScheduler() override;
    GlfwIdleScheduler(const GlfwIdleScheduler&) = delete;
    GlfwIdleScheduler& operator=(const GlfwIdleScheduler&) = delete;

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
