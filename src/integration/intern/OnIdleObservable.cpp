#include "integration/intern/OnIdleObservable.h"

#include "integration/OnIdleListenerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

OnIdleObservable::OnIdleObservable() = default;

OnIdleObservable::~OnIdleObservable() = default;

void OnIdleObservable::addOnIdleListener(OnIdleListenerInterface* listener)
{
    m_listeners.add(listener);
}

void OnIdleObservable::removeOnIdleListener(OnIdleListenerInterface* listener)
{
    m_listeners.remove(listener);
}

void OnIdleObservable::notifyOfIdle(OnIdleObservableInterface& source)
{
    m_listeners.notify([&](OnIdleListenerInterface& listener) { listener.onIdle(source); });
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
