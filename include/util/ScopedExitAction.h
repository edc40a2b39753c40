#ifndef ORVANE_UTIL_SCOPEDEXITACTION_H
#define ORVANE_UTIL_SCOPEDEXITACTION_H

#include "util/Export.h"

#include <boost/function.hpp>

#include <type_traits>
#include <utility>

// Runs an action when the scope that holds it is left, however it is left
// (return or exception). Used to reset a flag on every way out:
//
//   m_isDispatching = true;
//   const ScopedExitAction reset([this] { m_isDispatching = false; });
class OVSDK_INTEGRATION_EXPORT ScopedExitAction
{
public:
    // Holds `action` (may be empty) until the scope is left.
    explicit ScopedExitAction(const boost::function<void()>& action);
    // Holds a lambda or other callable, built in place with no temporary
    // function object to copy (the guard sits on the input dispatch path).
    template <typename Action, typename = typename std::enable_if<!std::is_same<
                                   typename std::decay<Action>::type, boost::function<void()>>::value>::type>
    explicit ScopedExitAction(Action&& action) : m_action(std::forward<Action>(action))
    {
    }
    // Runs the action if it is not empty, then clears it.
    virtual ~ScopedExitAction()
    {
        if (m_action)
            m_action();
        m_action.clear();
    }
    // Not copyable: the action runs once.
    ScopedExitAction(const ScopedExitAction&) = delete;
    // Not copyable.
    ScopedExitAction& operator=(const ScopedExitAction&) = delete;

private:
    boost::function<void()> m_action;
};

#endif // ORVANE_UTIL_SCOPEDEXITACTION_H
