#ifndef OVSDKQTHOST_QTTIMER_H
#define OVSDKQTHOST_QTTIMER_H

#include "ovsdkqthost/Export.h"

#include "util/TimerAbstract.h"

#include <QTimer>

namespace orvane {
namespace sdk {
namespace qthost {

// The library's interval timer over QTimer.
//
// Implements: TimerAbstract's native start and stop with a QTimer whose
// interval is in milliseconds; each timeout reaches the timer's listeners.
// A negative interval does not start.
// Leaves to the application: the listeners.
class OVSDKQTHOST_EXPORT QtTimer : public util::TimerAbstract
{
public:
    // A stopped timer.
    //
    // @thread_safety Make and use it on the GUI thread (the QTimer's thread).
    QtTimer();
    // Stops the QTimer.
    ~QtTimer() override;

protected:
    bool internalStart(int interval) override;
    void internalStop() override;

private:
    QTimer m_timer;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTTIMER_H
