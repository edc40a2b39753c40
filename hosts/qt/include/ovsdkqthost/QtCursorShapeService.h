#ifndef OVSDKQTHOST_QTCURSORSHAPESERVICE_H
#define OVSDKQTHOST_QTCURSORSHAPESERVICE_H

#include "ovsdkqthost/Export.h"

#include "integration/services/CursorShapeServiceAbstract.h"

#include <Qt>

namespace orvane {
namespace sdk {
namespace qthost {

// The engine's cursor shapes with Qt cursors.
//
// Implements: CursorShapeService: the wait cursor as an application-wide
// override cursor (shown once however often it is asked for); a base
// cursor style set on the Qt window of the page named by the render handle
// (Default and Undefined: arrow, Crosshair: cross, PointingHand: pointing
// hand, Move: size-all, SizeHorizontal / SizeVertical: the size cursors,
// Zoom: cross, Wait: wait). A page without a Qt window is left alone.
// Leaves to the application: nothing.
class OVSDKQTHOST_EXPORT QtCursorShapeService : public integration::services::CursorShapeServiceAbstract
{
public:
    // A service showing no wait cursor; make it current to use it.
    QtCursorShapeService();
    // Takes a wait cursor it shows away again.
    ~QtCursorShapeService() override;

    void showWaitCursor(bool show) override;
    void setBaseCursorStyle(long long renderHandle, CursorStyle_e style) override;

    // The Qt cursor of an engine cursor style, as listed above.
    static Qt::CursorShape toQtCursor(CursorStyle_e style);

private:
    bool m_waitCursorShown;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTCURSORSHAPESERVICE_H
