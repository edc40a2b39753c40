// The headless kit checked by the host conformance suite, pixels included,
// with no window system: each drawing area at the pixel ratio
// HEADLESS_PIXEL_RATIO gives (1 without it).
#include "HeadlessConformanceDriver.h"

#include "ovsdkheadlesshost/HeadlessApplicationEventMonitor.h"
#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessEventLoop.h"
#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"
#include "ovsdkheadlesshost/HeadlessManagerMiscService.h"
#include "ovsdkheadlesshost/HeadlessOffscreenImageService.h"
#include "ovsdkhostconformance/HostConformance.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace orvane::sdk;

class HeadlessConformanceFactory : public hostconformance::HostFactory
{
public:
    HeadlessConformanceFactory(headlesshost::HeadlessEventLoop& loop, headlesshost::HeadlessDisplay& display,
                               double pixelRatio)
        : m_loop(loop), m_display(display), m_pixelRatio(pixelRatio), m_driver(loop)
    {
    }

    std::unique_ptr<integration::GLDrawAreaInterface> createDrawArea(int width, int height) override
    {
        return std::unique_ptr<integration::GLDrawAreaInterface>(
            new headlesshost::HeadlessGLDrawArea(m_loop, m_display, width, height, m_pixelRatio));
    }
    std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        integration::ManagerInterface& manager) override
    {
        return std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract>(
            new headlesshost::HeadlessApplicationEventMonitor(manager, m_loop, m_display));
    }
    std::unique_ptr<integration::services::ManagerMiscServiceAbstract> createMiscService() override
    {
        std::unique_ptr<headlesshost::HeadlessManagerMiscService> misc(
            new headlesshost::HeadlessManagerMiscService(m_loop, m_display));
        misc->setScreen(1920, 1080, 0.25, m_pixelRatio);
        return misc;
    }
    std::unique_ptr<integration::services::OffscreenImageServiceAbstract> createOffscreenImageService() override
    {
        return std::unique_ptr<integration::services::OffscreenImageServiceAbstract>(
            new headlesshost::HeadlessOffscreenImageService(m_display));
    }
    hostconformance::HostDriver& driver() override { return m_driver; }

private:
    headlesshost::HeadlessEventLoop& m_loop;
    headlesshost::HeadlessDisplay& m_display;
    double m_pixelRatio;
    HeadlessConformanceDriver m_driver;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const char* const ratio = std::getenv("HEADLESS_PIXEL_RATIO");
    headlesshost::HeadlessDisplay display;
    headlesshost::HeadlessEventLoop loop;
    HeadlessConformanceFactory factory(loop, display, ratio != nullptr ? std::atof(ratio) : 1.0);
    hostconformance::HostConformance::registerTests(factory);
    return RUN_ALL_TESTS();
}
