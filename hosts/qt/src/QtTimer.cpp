#include "ovsdkqthost/QtTimer.h"

namespace orvane {
namespace sdk {
namespace qthost {

QtTimer::QtTimer()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { internalTimeout(); });
}

QtTimer::~QtTimer() { m_timer.stop(); }

bool QtTimer::internalStart(int interval)
{
    if (interval < 0)
        return false;
    m_timer.start(interval);
    return m_timer.isActive();
}

void QtTimer::internalStop() { m_timer.stop(); }

} // namespace qthost
} // namespace sdk
} // namespace orvane
