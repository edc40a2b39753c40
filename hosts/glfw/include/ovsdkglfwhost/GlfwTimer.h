#ifndef OVSDKGLFWHOST_GLFWTIMER_H
#define OVSDKGLFWHOST_GLFWTIMER_H

#include "ovsdkglfwhost/Export.h"

#include "util/TimerAbstract.h"

namespace orvane {
namespace sdk {
namespace glfwhost {

class GlfwEventLoop;

// The library's interval timer on the GLFW application's loop.
//
// Implements: TimerAbstract's native start and stop with a timer of the
// GlfwEventLoop, whose interval is in milliseconds; each expiry reaches
// the timer's listeners from the loop (also during the engine's busy
// passes, as the loop runs there too). A negative interval does not start.
// Leaves to the application: the listeners.
class OVSDKGLFWHOST_EXPORT GlfwTimer : public util::TimerAbstract
{
public:
    // A stopped timer on `loop`, which outlives it.
    explicit GlfwTimer(GlfwEventLoop& loop);
    // Stops its loop timer.
    ~GlfwTimer() override;

protected:
    bool internalStart(int interval) override;
    void internalStop() override;

private:
    GlfwEventLoop& m_loop;
    int m_timerId; // 0: none
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWTIMER_H
