#include "util/ScopedExitAction.h"

ScopedExitAction::ScopedExitAction(const boost::function<void()>& action) : m_action(action) {}

ScopedExitAction::~ScopedExitAction()
{
    if (m_action)
        m_action();
    m_action.clear();
}
