#ifndef OVSDKQTHOST_QTSELECTREGIONSERVICE_H
#define OVSDKQTHOST_QTSELECTREGIONSERVICE_H

#include "ovsdkqthost/Export.h"

#include "integration/MouseEventInterface.h"
#include "integration/services/SelectRegionServiceAbstract.h"

#include "ovsignals/SignalConnectionCollection.h"

#include <QPoint>
#include <QRectF>

#include <functional>
#include <memory>

class QRubberBand;

namespace orvane {
namespace sdk {
namespace qthost {

class QtGLDrawArea;

// The engine's region selection, with a QRubberBand over a drawing area.
//
// Implements: SelectRegionService: the engine's selection rectangle (in
// its plot units, normalised so that width and height are not negative)
// and flag go to the application's handler. For the drawing areas it is
// shown, it follows shift-drags with the first button with a rubber band,
// from the press to the release, like the engine's own selection gesture.
// Leaves to the application: the handler (what is selected), and the
// drawing areas to follow.
class OVSDKQTHOST_EXPORT QtSelectRegionService : public integration::services::SelectRegionServiceAbstract
{
public:
    // What the application does with a selection: the rectangle in plot units
    // and the engine's flag.
    typedef std::function<void(const QRectF& plotRectangle, bool flag)> Handler;

    // A service handing selections to `handler` (may be empty: dropped).
    explicit QtSelectRegionService(Handler handler = Handler());
    // Stops following the drawing areas; a rubber band shown goes.
    ~QtSelectRegionService() override;

    // Hands the selections from now on to `handler`.
    void setHandler(Handler handler);
    void selectItemsInRect(double x1, double y1, double x2, double y2, bool flag) override;

    // Follows shift-drags in `drawArea` with the rubber band while both live.
    void showRubberBandIn(QtGLDrawArea& drawArea);
    // The rubber band's geometry in global logical coordinates; empty while
    // it is hidden.
    QRect rubberBandGeometry() const;

private:
    void pressed(QtGLDrawArea& drawArea, integration::MouseEventInterface& event);
    void moved(QtGLDrawArea& drawArea, integration::MouseEventInterface& event);
    void released();

    Handler m_handler;
    std::unique_ptr<QRubberBand> m_rubberBand;
    QPoint m_origin;
    SignalConnectionCollection m_connections;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTSELECTREGIONSERVICE_H
