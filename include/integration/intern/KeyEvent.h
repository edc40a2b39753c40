#ifndef ORVANE_INTEGRATION_INTERN_KEYEVENT_H
#define ORVANE_INTEGRATION_INTERN_KEYEVENT_H

#include "integration/KeyEventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

class KeyEventObservableInterface;

namespace intern {

// A key event as a value. The key code is translated and the modifiers are
// read from the current miscellaneous-queries service once, at construction
// (no current service: no modifiers, key untranslated).
class OVSDK_INTEGRATION_EXPORT KeyEvent : public virtual KeyEventInterface
{
public:
    // `source` is the object that produced the event; not owned, may be null.
    // Codes 32..127 are kept; every other code is translated by the service.
    KeyEvent(KeyEventObservableInterface* source, int key);
    // Destroys the value; its source is not owned.
    ~KeyEvent() override;

    int keyboardModifiers() const override;
    bool isControlDown() const override;
    bool isShiftDown() const override;
    bool isAltDown() const override;
    int key() const override;

    // The object that produced the event, as given; may be null.
    KeyEventObservableInterface* source() const;

private:
    KeyEventObservableInterface* m_source;
    int m_key;
    int m_keyboardModifiers;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_KEYEVENT_H
