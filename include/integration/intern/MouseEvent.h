#ifndef ORVANE_INTEGRATION_INTERN_MOUSEEVENT_H
#define ORVANE_INTEGRATION_INTERN_MOUSEEVENT_H

#include "integration/MouseEventInterface.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

class MouseEventObservableInterface;

namespace intern {

// A mouse event as a value, made by the library from drawing-area input;
// exported, so that a host drawing area can report its own with it.
// The modifiers are read from the current miscellaneous-queries service once,
// at construction (no current service: no modifiers), unless the host gives
// those its toolkit reported with the event; a clone copies them.
class OVSDK_INTEGRATION_EXPORT MouseEvent : public virtual MouseEventInterface
{
public:
    // `source` is the object that produced the event; not owned.
    MouseEvent(MouseEventObservableInterface* source, MouseButton_e button, int x, int y);
    // An event with the KeyboardModifier bits `keyboardModifiers`, as the
    // toolkit reported them with it.
    MouseEvent(MouseEventObservableInterface* source, MouseButton_e button, int x, int y, int keyboardModifiers);
    // Destroys the value; its source is not owned.
    ~MouseEvent() override;

    int keyboardModifiers() const override;
    bool isControlDown() const override;
    bool isShiftDown() const override;
    bool isAltDown() const override;
    MouseButton_e button() const override;
    int x() const override;
    int y() const override;
    MouseEventInterface* clone() const override;

    // The object that produced the event, as given.
    MouseEventObservableInterface* source() const;

private:
    MouseEventObservableInterface* m_source;
    MouseButton_e m_button;
    int m_x;
    int m_y;
    int m_keyboardModifiers;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_MOUSEEVENT_H
