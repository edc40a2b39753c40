#include "ovsdkqthost/QtCursorShapeService.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"

#include <QGuiApplication>
#include <QWindow>

namespace orvane {
namespace sdk {
namespace qthost {

QtCursorShapeService::QtCursorShapeService() : m_waitCursorShown(false) {}

QtCursorShapeService::~QtCursorShapeService() { showWaitCursor(false); }

void QtCursorShapeService::showWaitCursor(bool show)
{
    if (show == m_waitCursorShown)
        return;
    m_waitCursorShown = show;
    if (show)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtCursorShapeService::setBaseCursorStyle(long long renderHandle, CursorStyle_e style)
{
    // The render handle of a screen destination is the page's client handle.
    integration::PageInterface* page = reinterpret_cast<integration::PageInterface*>(renderHandle);
    if (QWindow* window = dynamic_cast<QWindow*>(page->getDrawArea()))
        window->setCursor(toQtCursor(style));
}

Qt::CursorShape QtCursorShapeService::toQtCursor(CursorStyle_e style)
{
    switch (style)
    {
    case CursorStyle_Crosshair:
    case CursorStyle_Zoom: return Qt::CrossCursor;
    case CursorStyle_PointingHand: return Qt::PointingHandCursor;
    case CursorStyle_Move: return Qt::SizeAllCursor;
    case CursorStyle_SizeHorizontal: return Qt::SizeHorCursor;
    case CursorStyle_SizeVertical: return Qt::SizeVerCursor;
    case CursorStyle_Wait: return Qt::WaitCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
