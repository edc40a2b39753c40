#include "ovsdkglfwhost/GlfwTimer.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwTimer::GlfwTimer(GlfwEventLoop& loop) : m_loop(loop), m_timerId(0) {}

GlfwTimer::~GlfwTimer() { internalStop(); }

bool GlfwTimer::internalStart(int interval)
{
    internalStop();
    if (interval < 0)
        return false;
    m_timerId = m_loop.startTimer(interval, [this] { internalTimeout(); });
    return true;
}

void GlfwTimer::internalStop()
{
    if (m_timerId != 0)
        m_loop.stopTimer(m_timerId);
    m_timerId = 0;
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
