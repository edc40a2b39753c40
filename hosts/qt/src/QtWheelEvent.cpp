#include "QtWheelEvent.h"

#include <QWheelEvent>

namespace orvane {
namespace sdk {
namespace qthost {

integration::intern::MouseWheelEvent wheelEventOf(const QWheelEvent& wheel, const QPoint& devicePosition)
{
    const QPoint angle = wheel.angleDelta();
    const bool vertical = angle.y() != 0;
    const Qt::MouseButtons buttons = wheel.buttons();
    return integration::intern::MouseWheelEvent(
        devicePosition.x(), devicePosition.y(), vertical ? angle.y() : angle.x(), buttons.testFlag(Qt::LeftButton),
        buttons.testFlag(Qt::MiddleButton), buttons.testFlag(Qt::RightButton),
        vertical ? integration::MouseWheelEventInterface::Orientation_Vertical
                 : integration::MouseWheelEventInterface::Orientation_Horizontal);
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
