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
// operations to it and calls report... (or notifyOf..., then fires its
// signal) from its window-system handlers.
class OVSDK_INTEGRATION_EXPORT GLDrawAreaStateObservable
{
public:
    // A set with no listener, reporting on behalf of `drawArea`.
    explicit GLDrawAreaStateObservable(GLDrawAreaInterface& drawArea);
    // Not copyable.
    GLDrawAreaStateObservable(const GLDrawAreaStateObservable&) = delete;
    // Not copyable.
    GLDrawAreaStateObservable& operator=(const GLDrawAreaStateObservable&) = delete;
    // Tells no listener.
    virtual ~GLDrawAreaStateObservable();

    // Adding a listener twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    virtual void addStateListener(GLDrawAreaListenerInterface* const listener);
    // Removing an unknown listener does nothing; a listener removed during a
    // notification is not called again.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    virtual void removeStateListener(GLDrawAreaListenerInterface* const listener);
    // Tells every listener drawAreaExposed(); fire the drawing area's signal
    // after it.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    virtual void notifyOfExposed(bool fullDamage);
    // Tells every listener drawAreaDestroyed(); see notifyOfExposed().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    virtual void notifyOfDestroyed();
    // Tells every listener drawAreaFocusGained(); see notifyOfExposed().
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners: an added one hears
    // the next notification; a removed one is not called again.
    // @errors An exception of a listener passes on at once: the listeners
    // after it are not told.
    virtual void notifyOfFocusGained();

    // notifyOfExposed(), then the drawing area's signalDrawAreaExposed.
    //
    // @thread_safety GUI thread only; not checked.
    // @errors Exceptions of listeners and slots pass on.
    void reportExposed(bool fullDamage);
    // notifyOfDestroyed(), then the drawing area's signalDrawAreaDestroyed.
    //
    // @thread_safety GUI thread only; not checked.
    // @errors Exceptions of listeners and slots pass on.
    void reportDestroyed();
    // notifyOfFocusGained(), then the drawing area's signalDrawAreaFocusGained.
    //
    // @thread_safety GUI thread only; not checked.
    // @errors Exceptions of listeners and slots pass on.
    void reportFocusGained();

private:
    util::ListenerSet<GLDrawAreaListenerInterface> m_listeners;
    GLDrawAreaInterface* m_drawArea;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_GLDRAWAREASTATEOBSERVABLE_H
