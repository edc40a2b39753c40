#include "ovsdkglfwhost/GlfwIdleScheduler.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwIdleScheduler::GlfwIdleScheduler(GlfwEventLoop& loop) : m_loop(loop), m_posted(false), m_previous(nullptr)
{
    m_previous = ui::common::setIdleActionScheduler(this);
}

GlfwIdleScheduler::~GlfwIdleScheduler()
{
    m_loop.cancelTasks(this);
    ui::common::setIdleActionScheduler(m_previous);
}

void GlfwIdleScheduler::scheduleIdleProcessing()
{
    if (m_posted)
        return;
    m_posted = true;
    m_loop.postTask(this, [this] {
        m_posted = false;
        ui::common::processIdleActions();
    });
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
