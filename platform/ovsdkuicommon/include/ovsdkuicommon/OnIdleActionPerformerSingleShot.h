#ifndef OVSDKUICOMMON_ONIDLEACTIONPERFORMERSINGLESHOT_H
#define OVSDKUICOMMON_ONIDLEACTIONPERFORMERSINGLESHOT_H

#include "ovsdkuicommon/Export.h"

#include <boost/function.hpp>

#include <cstddef>

namespace orvane {
namespace sdk {
namespace ui {
namespace common {

// Runs an action once, at the next idle time of the application. Deleting
// the object before the action has run cancels it; deleting it afterwards
// does nothing more. Holding the object means "pending".
class OVSDKUICOMMON_EXPORT OnIdleActionPerformerSingleShot
{
public:
    explicit OnIdleActionPerformerSingleShot(const boost::function<void()>& action);
    virtual ~OnIdleActionPerformerSingleShot();
    OnIdleActionPerformerSingleShot(const OnIdleActionPerformerSingleShot&) = delete;
    OnIdleActionPerformerSingleShot& operator=(const OnIdleActionPerformerSingleShot&) = delete;

    bool isPending() const;

private:
    friend std::size_t processIdleActions();
    void run();

    boost::function<void()> m_action;
    bool m_pending;
    unsigned long long m_sequence; // creation order, to tell later actions apart
};

// Runs every idle action pending at the call, once, in the order they were
// made; actions made meanwhile wait for the next call. Returns how many ran.
// The host calls it when its application is idle.
OVSDKUICOMMON_EXPORT std::size_t processIdleActions();

// Number of actions waiting for the next processIdleActions().
OVSDKUICOMMON_EXPORT std::size_t pendingIdleActions();

// A host with an event loop installs a scheduler to learn when idle work
// appears, and answers by calling processIdleActions() at its next idle time
// (a Qt host posts a zero-interval single-shot timer, a GLFW host sets a
// flag its loop reads). Without a scheduler, actions run only from explicit
// processIdleActions() calls.
class OVSDKUICOMMON_EXPORT IdleActionScheduler
{
public:
    virtual ~IdleActionScheduler();
    // Called when an action becomes pending while none was.
    virtual void scheduleIdleProcessing() = 0;
};

// Installs `scheduler` (not owned; null restores the default) and returns
// the previous one. If actions are pending, the new scheduler is asked at once.
OVSDKUICOMMON_EXPORT IdleActionScheduler* setIdleActionScheduler(IdleActionScheduler* scheduler);

} // namespace common
} // namespace ui
} // namespace sdk
} // namespace orvane

#endif // OVSDKUICOMMON_ONIDLEACTIONPERFORMERSINGLESHOT_H
