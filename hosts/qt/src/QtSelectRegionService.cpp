#include "ovsdkqthost/QtSelectRegionService.h"

#include "ovsdkqthost/QtGLDrawArea.h"

#include <QRubberBand>

namespace orvane {
namespace sdk {
namespace qthost {

using integration::MouseEventInterface;

namespace {

// A drawing area's device-pixel position on the screen, in logical pixels.
QPoint globalPosition(QtGLDrawArea& drawArea, const MouseEventInterface& event)
{
    const qreal ratio = drawArea.devicePixelRatio();
    return drawArea.mapToGlobal(QPointF(event.x() / ratio, event.y() / ratio).toPoint());
}

} // namespace

QtSelectRegionService::QtSelectRegionService(Handler handler)
    : m_handler(std::move(handler)), m_rubberBand(new QRubberBand(QRubberBand::Rectangle))
{
}

QtSelectRegionService::~QtSelectRegionService() = default;

void QtSelectRegionService::setHandler(Handler handler) { m_handler = std::move(handler); }

void QtSelectRegionService::selectItemsInRect(double x1, double y1, double x2, double y2, bool flag)
{
    if (m_handler)
        m_handler(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), flag);
}

void QtSelectRegionService::showRubberBandIn(QtGLDrawArea& drawArea)
{
    m_connections.add(drawArea.connectButtonPressed(
        [this, &drawArea](MouseEventInterface& event) { pressed(drawArea, event); }));
    m_connections.add(
        drawArea.connectMouseMoved([this, &drawArea](MouseEventInterface& event) { moved(drawArea, event); }));
    m_connections.add(drawArea.connectButtonReleased([this](MouseEventInterface&) { released(); }));
}

QRect QtSelectRegionService::rubberBandGeometry() const
{
    return m_rubberBand->isVisible() ? m_rubberBand->geometry() : QRect();
}

void QtSelectRegionService::pressed(QtGLDrawArea& drawArea, MouseEventInterface& event)
{
    if (event.button() != MouseEventInterface::MouseButton_1 || !event.isShiftDown())
        return;
    m_origin = globalPosition(drawArea, event);
    m_rubberBand->setGeometry(QRect(m_origin, QSize()));
    m_rubberBand->show();
}

void QtSelectRegionService::moved(QtGLDrawArea& drawArea, MouseEventInterface& event)
{
    if (m_rubberBand->isVisible())
        m_rubberBand->setGeometry(QRect(m_origin, globalPosition(drawArea, event)).normalized());
}

void QtSelectRegionService::released() { m_rubberBand->hide(); }

} // namespace qthost
} // namespace sdk
} // namespace orvane
