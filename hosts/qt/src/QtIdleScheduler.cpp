#include "ovsdkqthost/QtIdleScheduler.h"

#include <QTimer>

namespace orvane {
namespace sdk {
namespace qthost {

QtIdleScheduler::QtIdleScheduler() : m_posted(false), m_previous(nullptr)
{
    m_previous = ui::common::setIdleActionScheduler(this);
}

QtIdleScheduler::~QtIdleScheduler() { ui::common::setIdleActionScheduler(m_previous); }

void QtIdleScheduler::scheduleIdleProcessing()
{
    if (m_posted)
        return;
    m_posted = true;
    QTimer::singleShot(0, &m_timerContext, [this] {
        m_posted = false;
        ui::common::processIdleActions();
    });
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
