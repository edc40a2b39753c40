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
// intern::GLDrawAreaStateObservable, intern::MouseEventObservable and
// intern::KeyEventObservable are ready-made listener sets for it.
class OVSDK_INTEGRATION_EXPORT GLDrawAreaInterface : public virtual MouseEventObservableInterface,
                                                     public virtual KeyEventObservableInterface
{
public:
    typedef boost::signals2::signal<void(bool)> ExposedSignal;
    typedef boost::signals2::signal<void()> StateSignal;

    // The window was exposed; the flag means full damage.
    ExposedSignal signalDrawAreaExposed;
    // The native window is being destroyed.
    StateSignal signalDrawAreaDestroyed;
    // The window gained the keyboard focus.
    StateSignal signalDrawAreaFocusGained;

    GLDrawAreaInterface();
    GLDrawAreaInterface(const GLDrawAreaInterface&) = delete;
    GLDrawAreaInterface& operator=(const GLDrawAreaInterface&) = delete;

    boost::signals2::connection connectDrawAreaExposed(const ExposedSignal::slot_type& slot);
    boost::signals2::connection connectDrawAreaDestroyed(const StateSignal::slot_type& slot);
    boost::signals2::connection connectDrawAreaFocusGained(const StateSignal::slot_type& slot);

    // True when the engine may draw into the window now (asked after isValid()).
    virtual bool canRender() = 0;
    // The window's size in pixels; asked only while isValid().
    virtual void getSize(int& width, int& height) = 0;
    virtual GLContextInterface& getGLContext() = 0;
    // True while the native window exists. While false the library neither
    // renders into the window nor asks its size; it still removes its
    // listeners (a page that goes), since the window may come back.
    virtual bool isValid() = 0;
    // State listeners are not owned and must not be null. Once the area has
    // reported itself destroyed, the library never calls it again.
    virtual void addStateListener(GLDrawAreaListenerInterface* listener) = 0;
    virtual void removeStateListener(GLDrawAreaListenerInterface* listener) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalDrawAreaExposedConnected() const;
    virtual void signalDrawAreaDestroyedConnected() const;
    virtual void signalDrawAreaFocusGainedConnected() const;

public:
    // Called by the page manager every time it creates a page on this
    // drawing area, before the page exists.
    virtual void setPageManager(PageManagerInterface& manager) = 0;
    ~GLDrawAreaInterface() override;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_GLDRAWAREAINTERFACE_H
