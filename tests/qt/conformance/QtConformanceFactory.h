// The Qt kit as a host for the host conformance suite: the kit's drawing
// areas shown side by side on the screen, its monitor, miscellaneous and
// offscreen image services, its idle scheduler, and a driver of QTest input.
#ifndef TESTS_QT_CONFORMANCE_QTCONFORMANCEFACTORY_H
#define TESTS_QT_CONFORMANCE_QTCONFORMANCEFACTORY_H

#include "QtConformanceDriver.h"

#include "ovsdkhostconformance/HostFactory.h"
#include "ovsdkqthost/QtIdleScheduler.h"

class QtConformanceFactory : public orvane::sdk::hostconformance::HostFactory
{
public:
    std::unique_ptr<orvane::sdk::integration::GLDrawAreaInterface> createDrawArea(int width, int height) override;
    std::unique_ptr<orvane::sdk::integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        orvane::sdk::integration::ManagerInterface& manager) override;
    std::unique_ptr<orvane::sdk::integration::services::ManagerMiscServiceAbstract> createMiscService() override;
    std::unique_ptr<orvane::sdk::integration::services::OffscreenImageServiceAbstract> createOffscreenImageService()
        override;
    orvane::sdk::hostconformance::HostDriver& driver() override;

private:
    orvane::sdk::qthost::QtIdleScheduler m_idleScheduler;
    QtConformanceDriver m_driver;
    int m_placed = 0;
};

#endif // TESTS_QT_CONFORMANCE_QTCONFORMANCEFACTORY_H
