// The headless kit checked by the host conformance suite, pixels included,
// with no window system: each drawing area at the pixel ratio
// HEADLESS_PIXEL_RATIO gives (1 without it).
//
// The driver plays the window system and the user by posting HeadlessEvents
// to the kit's event loop. What a drawing area "shows" is its last swapped
// frame; OpenGL functions come from the kit's EGL display.
#include "ovsdkheadlesshost/HeadlessApplicationEventMonitor.h"
#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessEvent.h"
#include "ovsdkheadlesshost/HeadlessEventLoop.h"
#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"
#include "ovsdkheadlesshost/HeadlessManagerMiscService.h"
#include "ovsdkheadlesshost/HeadlessOffscreenImageService.h"
#include "ovsdkhostconformance/HostConformance.h"
#include "ovsdkhostconformance/HostDriver.h"
#include "ovsdkhostconformance/HostFactory.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace orvane::sdk;
using headlesshost::HeadlessEvent;
using headlesshost::HeadlessGLDrawArea;

class HeadlessConformanceDriver : public hostconformance::HostDriver
{
public:
    explicit HeadlessConformanceDriver(headlesshost::HeadlessEventLoop& loop) : m_loop(loop) {}

    void processEvents() override { m_loop.runOnce(); }
    void resize(DrawArea& drawArea, int width, int height) override
    {
        post(drawArea, HeadlessEvent::makeResize(width, height));
    }
    void expose(DrawArea& drawArea) override { post(drawArea, HeadlessEvent::make(HeadlessEvent::Expose)); }
    void focusIn(DrawArea& drawArea) override { post(drawArea, HeadlessEvent::make(HeadlessEvent::FocusIn)); }
    void focusOut(DrawArea& drawArea) override { post(drawArea, HeadlessEvent::make(HeadlessEvent::FocusOut)); }
    // False, though the kit reports every focus-in: the suite's other order
    // (a focus out first) runs here, the other drivers' order elsewhere.
    bool mayFocusInFocusedWindow() override { return false; }
    void destroyWindow(DrawArea& drawArea) override { post(drawArea, HeadlessEvent::make(HeadlessEvent::Destroy)); }
    void pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override
    {
        post(drawArea, HeadlessEvent::makeButton(HeadlessEvent::ButtonPress, button, x, y, modifiers));
    }
    void releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) override
    {
        post(drawArea, HeadlessEvent::makeButton(HeadlessEvent::ButtonRelease, button, x, y, modifiers));
    }
    void moveMouse(DrawArea& drawArea, int x, int y, int modifiers) override
    {
        post(drawArea, HeadlessEvent::makeMove(x, y, modifiers));
    }
    void turnWheel(DrawArea& drawArea, int x, int y, int delta) override
    {
        post(drawArea, HeadlessEvent::makeWheel(x, y, delta, 0));
    }
    void pressKey(DrawArea& drawArea, int key, int modifiers) override
    {
        post(drawArea, HeadlessEvent::makeKey(HeadlessEvent::KeyPress, key, modifiers));
    }
    void releaseKey(DrawArea& drawArea, int key, int modifiers) override
    {
        post(drawArea, HeadlessEvent::makeKey(HeadlessEvent::KeyRelease, key, modifiers));
    }
    double pixelRatio(DrawArea& drawArea) override { return area(drawArea).pixelRatio(); }
    void* glProcAddress(const char* name) override { return headlesshost::HeadlessDisplay::procAddress(name); }
    // The last swapped frame; black at the area's size before the first.
    bool grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb) override
    {
        HeadlessGLDrawArea& shown = area(drawArea);
        const headlesshost::HeadlessFrame& frame = shown.frame();
        if (frame.empty())
            shown.getSize(width, height);
        else
        {
            width = frame.width;
            height = frame.height;
        }
        rgb.assign(std::size_t(width) * std::size_t(height) * 3, 0);
        for (std::size_t pixel = 0; !frame.empty() && pixel < rgb.size() / 3; ++pixel)
            for (std::size_t channel = 0; channel < 3; ++channel)
                rgb[pixel * 3 + channel] = frame.rgba[pixel * 4 + channel];
        return shown.isValid();
    }

private:
    static HeadlessGLDrawArea& area(DrawArea& drawArea) { return dynamic_cast<HeadlessGLDrawArea&>(drawArea); }
    void post(DrawArea& drawArea, const HeadlessEvent& event) { m_loop.post(area(drawArea), event); }

    headlesshost::HeadlessEventLoop& m_loop;
};

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
