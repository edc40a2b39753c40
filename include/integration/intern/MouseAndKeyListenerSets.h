#ifndef ORVANE_INTEGRATION_INTERN_MOUSEANDKEYLISTENERSETS_H
#define ORVANE_INTEGRATION_INTERN_MOUSEANDKEYLISTENERSETS_H

#include "integration/KeyEventObservableInterface.h"
#include "integration/MouseEventObservableInterface.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseListenerSet.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The mouse and key listeners of an object that is both observables (a
// drawing area; with the idle listeners, InputListenerSets): the add and
// remove operations go to the ready-made sets below, which the object
// notifies, with itself as the source, when it has input to report.
//
// A drawing area derives from it next to GLDrawAreaInterface and so
// implements the four listener operations with no code of its own, and
// reports its input with reportMouse(), reportKey() and reportWheel().
//
// @thread_safety GUI thread only, like the sets.
// @reentrancy A listener may add or remove listeners while it is told; see
// MouseListenerSet and KeyEventObservable.
class OVSDK_INTEGRATION_EXPORT MouseAndKeyListenerSets : public virtual MouseEventObservableInterface,
                                                         public virtual KeyEventObservableInterface
{
public:
    // What a mouse event tells.
    enum MouseAction_e
    {
        // The pointer moved (the event's button is MouseButton_None).
        MouseAction_Moved,
        // A button went down.
        MouseAction_Pressed,
        // A button was pressed twice in quick succession.
        MouseAction_DoublePressed,
        // A button went up.
        MouseAction_Released
    };

    // Adds `listener` to the mouse listeners; adding it twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    void addMouseListener(MouseEventListenerInterface* listener) override;
    // Removes `listener` from the mouse listeners, if it is there.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    void removeMouseListener(MouseEventListenerInterface* listener) override;
    // Adds `listener` to the key listeners; adding it twice keeps it once.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // notification.
    void addKeyboardListener(KeyEventListenerInterface* listener) override;
    // Removes `listener` from the key listeners, if it is there.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again, even in the notification under way.
    void removeKeyboardListener(KeyEventListenerInterface* listener) override;

protected:
    // Empty sets.
    MouseAndKeyListenerSets();
    // Tells no listener.
    ~MouseAndKeyListenerSets() override;

    // Reports `event` to the mouse listeners, with this object as source,
    // then to its signal of the same kind (signalMouseMoved, ...).
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners; see
    // MouseListenerSet.
    // @errors Exceptions of listeners and slots pass on.
    void reportMouse(MouseAction_e action, MouseEventInterface& event);
    // Reports a press or a release of the key `hostKeyCode` (an
    // intern::KeyEvent with this object as source) to the key listeners.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy A listener may add or remove listeners; see
    // KeyEventObservable.
    // @errors Exceptions of listeners pass on.
    void reportKey(bool pressed, int hostKeyCode);
    // Fires signalWheelRotated; a vertical rotation is then also a press and
    // a release of '+' (away from the user) or '-' (towards the user) for the
    // key listeners, which an engine zooms with.
    //
    // @thread_safety GUI thread only; not checked.
    // @errors Exceptions of listeners and slots pass on.
    void reportWheel(MouseWheelEventInterface& wheel);

    // The mouse listeners; notify them with the object as `source`.
    MouseListenerSet m_mouseEventObservable;
    // The key listeners; notify them with the object as `source`.
    KeyEventObservable m_keyEventObservable;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_MOUSEANDKEYLISTENERSETS_H
