#include "integration/intern/InputListenerSets.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

InputListenerSets::InputListenerSets() = default;

InputListenerSets::~InputListenerSets() = default;

void InputListenerSets::addOnIdleListener(OnIdleListenerInterface* listener)
{
    m_onIdleObservable.addOnIdleListener(listener);
}

void InputListenerSets::removeOnIdleListener(OnIdleListenerInterface* listener)
{
    m_onIdleObservable.removeOnIdleListener(listener);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
