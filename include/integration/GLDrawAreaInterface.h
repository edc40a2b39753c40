#ifndef ORVANE_INTEGRATION_GLDRAWAREAINTERFACE_H
#define ORVANE_INTEGRATION_GLDRAWAREAINTERFACE_H

#include "integration/KeyEventObservableInterface.h"
#include "integration/MouseEventObservableInterface.h"
#include "util/Export.h"

#include <boost/signals2/signal.hpp>

namespace orvane {
namespace sdk {
namespace integration {

class GLContextInterface;
class GLDrawAreaListenerInterface;
class PageManagerInterface;

// A host window in which the engine draws one page with OpenGL. The host
// implements it, is the observable of the window's own mouse and key input
// (listeners get the drawing area itself as `source`), and reports expose,
// destroy and focus-in to its state listeners first, then to its signals.
// intern::GLDrawAreaStateObservable, intern::MouseListenerSet and
// intern::KeyEventObservable are ready-made listener sets for it.
class OVSDK_INTEGRATION_EXPORT GLDrawAreaInterface : public virtual MouseEventObservableInterface,
                                                     public virtual KeyEventObservableInterface
{
public:
    // The signal of an expose, with the full-damage flag.
    typedef boost::signals2::signal<void(bool)> ExposedSignal;
    // The signal of a destroy or a focus gain.
    typedef boost::signals2::signal<void()> StateSignal;

    // The window was exposed; the flag means full damage.
    ExposedSignal signalDrawAreaExposed;
    // The native window is being destroyed.
    StateSignal signalDrawAreaDestroyed;
    // The window gained the keyboard focus.
    StateSignal signalDrawAreaFocusGained;

    // A drawing area of the host.
    GLDrawAreaInterface();
    // Not copyable: pages know their drawing area by its address.
    GLDrawAreaInterface(const GLDrawAreaInterface&) = delete;
    // Not copyable.
    GLDrawAreaInterface& operator=(const GLDrawAreaInterface&) = delete;

    // Connects `slot` at the back of signalDrawAreaExposed, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectDrawAreaExposed(const ExposedSignal::slot_type& slot);
    // Connects `slot` at the back of signalDrawAreaDestroyed, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectDrawAreaDestroyed(const StateSignal::slot_type& slot);
    // Connects `slot` at the back of signalDrawAreaFocusGained, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectDrawAreaFocusGained(const StateSignal::slot_type& slot);

    // True when the engine may draw into the window now (asked after isValid()).
    //
    // @thread_safety Called on the GUI thread, from the engine's render query.
    // @errors False makes the engine skip the frame.
    virtual bool canRender() = 0;
    // The window's size in pixels; asked only while isValid().
    //
    // @thread_safety Called on the GUI thread, from inside engine calls.
    // @errors An exception passes through the engine's callback to the
    // engine.
    virtual void getSize(int& width, int& height) = 0;
    // The window's OpenGL context: the same object every time.
    //
    // @thread_safety Called on the GUI thread, from the engine's render
    // callbacks.
    // @errors An exception passes through the engine's callback to the
    // engine.
    virtual GLContextInterface& getGLContext() = 0;
    // True while the native window exists. While false the library neither
    // renders into the window nor asks its size; it still removes its
    // listeners (a page that goes), since the window may come back.
    //
    // @thread_safety Called on the GUI thread, from inside engine calls.
    // @errors False makes the engine skip the frame.
    virtual bool isValid() = 0;
    // State listeners are not owned and must not be null. Once the area has
    // reported itself destroyed, the library never calls it again.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    virtual void addStateListener(GLDrawAreaListenerInterface* listener) = 0;
    // Stops `listener` hearing state changes; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    virtual void removeStateListener(GLDrawAreaListenerInterface* listener) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalDrawAreaExposedConnected() const;
    virtual void signalDrawAreaDestroyedConnected() const;
    virtual void signalDrawAreaFocusGainedConnected() const;

public:
    // Called by the page manager every time it creates a page on this
    // drawing area, before the page exists.
    //
    // @thread_safety Called on the GUI thread, from inside addPage() or the
    // engine's page-create callback.
    virtual void setPageManager(PageManagerInterface& manager) = 0;
    // Report the window destroyed (listeners, then signalDrawAreaDestroyed)
    // before the object goes, so that its page lets go of it.
    ~GLDrawAreaInterface() override;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_GLDRAWAREAINTERFACE_H
