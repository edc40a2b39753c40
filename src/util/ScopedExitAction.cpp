#include "util/ScopedExitAction.h"

ScopedExitAction::ScopedExitAction(const boost::function<void()>& action) : m_action(action) {}

