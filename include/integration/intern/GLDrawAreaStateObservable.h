#ifndef ORVANE_INTEGRATION_INTERN_GLDRAWAREASTATEOBSERVABLE_H
#define ORVANE_INTEGRATION_INTERN_GLDRAWAREASTATEOBSERVABLE_H

#include "util/Export.h"
#include "util/ListenerSet.h"

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaInterface;
class GLDrawAreaListenerInterface;

namespace intern {

// A ready-made set of state listeners for a drawing area, called in
// ascending pointer order with the drawing area given at construction. The
// drawing area holds one built on itself, forwards its add and remove
// operations to it and calls notifyOf... from its window-system handlers.
class OVSDK_INTEGRATION_EXPORT GLDrawAreaStateObservable
{
public:
    explicit GLDrawAreaStateObservable(GLDrawAreaInterface& drawArea);
    GLDrawAreaStateObservable(const GLDrawAreaStateObservable&) = delete;
    GLDrawAreaStateObservable& operator=(const GLDrawAreaStateObservable&) = delete;
    // Tells no listener.
    virtual ~GLDrawAreaStateObservable();

    // Adding a listener twice keeps it once.
    virtual void addStateListener(GLDrawAreaListenerInterface* const listener);
    virtual void removeStateListener(GLDrawAreaListenerInterface* const listener);
    virtual void notifyOfExposed(bool fullDamage);
    virtual void notifyOfDestroyed();
    virtual void notifyOfFocusGained();

private:
    util::ListenerSet<GLDrawAreaListenerInterface> m_listeners;
    GLDrawAreaInterface* m_drawArea;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_GLDRAWAREASTATEOBSERVABLE_H
