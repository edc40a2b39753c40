// The library's wheel event of a Qt wheel rotation: at `devicePosition`,
// Qt's angle (120 a notch, positive away from the user) of the vertical
// rotation, or else of the horizontal one, and the buttons held.
#ifndef OVSDKQTHOST_QTWHEELEVENT_H
#define OVSDKQTHOST_QTWHEELEVENT_H

#include "integration/intern/MouseWheelEvent.h"

#include <QPoint>

class QWheelEvent;

namespace orvane {
namespace sdk {
namespace qthost {

integration::intern::MouseWheelEvent wheelEventOf(const QWheelEvent& wheel, const QPoint& devicePosition);

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTWHEELEVENT_H
