// The GLFW kit as the host conformance suite gets it: its drawing areas,
// monitor and services on one GlfwEventLoop.
#ifndef TESTS_GLFW_CONFORMANCE_GLFWCONFORMANCEFACTORY_H
#define TESTS_GLFW_CONFORMANCE_GLFWCONFORMANCEFACTORY_H

#include "GlfwConformanceDriver.h"

#include "ovsdkhostconformance/HostFactory.h"

class GlfwConformanceFactory : public orvane::sdk::hostconformance::HostFactory
{
public:
    explicit GlfwConformanceFactory(orvane::sdk::glfwhost::GlfwEventLoop& loop);

    std::unique_ptr<orvane::sdk::integration::GLDrawAreaInterface> createDrawArea(int width, int height) override;
    std::unique_ptr<orvane::sdk::integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        orvane::sdk::integration::ManagerInterface& manager) override;
    std::unique_ptr<orvane::sdk::integration::services::ManagerMiscServiceAbstract> createMiscService() override;
    std::unique_ptr<orvane::sdk::integration::services::OffscreenImageServiceAbstract>
    createOffscreenImageService() override;
    orvane::sdk::hostconformance::HostDriver& driver() override;

private:
    orvane::sdk::glfwhost::GlfwEventLoop& m_loop;
    GlfwConformanceDriver m_driver;
    int m_placed = 0;
};

#endif // TESTS_GLFW_CONFORMANCE_GLFWCONFORMANCEFACTORY_H
