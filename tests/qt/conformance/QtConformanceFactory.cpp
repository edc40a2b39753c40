#include "QtConformanceFactory.h"

#include "ovsdkqthost/QtApplicationEventMonitor.h"
#include "ovsdkqthost/QtGLDrawArea.h"
#include "ovsdkqthost/QtManagerMiscService.h"
#include "ovsdkqthost/QtOffscreenImageService.h"

#include <QTest>

using namespace orvane::sdk;

std::unique_ptr<integration::GLDrawAreaInterface> QtConformanceFactory::createDrawArea(int width, int height)
{
    // Six places side by side (in device pixels), taken in turn.
    const int place = m_placed++ % 6;
    std::unique_ptr<qthost::QtGLDrawArea> drawArea(new qthost::QtGLDrawArea);
    const double ratio = drawArea->devicePixelRatio();
    drawArea->setGeometry(QRect(QPoint(qRound(place % 3 * 330 / ratio), qRound(place / 3 * 260 / ratio)),
                                QSize(qRound(width / ratio), qRound(height / ratio))));
    drawArea->show();
    if (!QTest::qWaitForWindowExposed(drawArea.get()))
        return nullptr;
    return drawArea;
}

std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> QtConformanceFactory::createMonitor(
    integration::ManagerInterface& manager)
{
    return std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract>(
        new qthost::QtApplicationEventMonitor(manager));
}

std::unique_ptr<integration::services::ManagerMiscServiceAbstract> QtConformanceFactory::createMiscService()
{
    return std::unique_ptr<integration::services::ManagerMiscServiceAbstract>(new qthost::QtManagerMiscService);
}

std::unique_ptr<integration::services::OffscreenImageServiceAbstract>
QtConformanceFactory::createOffscreenImageService()
{
    return std::unique_ptr<integration::services::OffscreenImageServiceAbstract>(new qthost::QtOffscreenImageService);
}

hostconformance::HostDriver& QtConformanceFactory::driver() { return m_driver; }
