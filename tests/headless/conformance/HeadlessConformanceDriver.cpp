#include "HeadlessConformanceDriver.h"

#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessEventLoop.h"
#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

using orvane::sdk::headlesshost::HeadlessEvent;
using orvane::sdk::headlesshost::HeadlessGLDrawArea;

HeadlessConformanceDriver::HeadlessConformanceDriver(orvane::sdk::headlesshost::HeadlessEventLoop& loop)
    : m_loop(loop)
{
}

void HeadlessConformanceDriver::processEvents() { m_loop.runOnce(); }

void HeadlessConformanceDriver::resize(DrawArea& drawArea, int width, int height)
{
    post(drawArea, HeadlessEvent::makeResize(width, height));
}

void HeadlessConformanceDriver::expose(DrawArea& drawArea) { post(drawArea, HeadlessEvent::make(HeadlessEvent::Expose)); }

void HeadlessConformanceDriver::focusIn(DrawArea& drawArea) { post(drawArea, HeadlessEvent::make(HeadlessEvent::FocusIn)); }

void HeadlessConformanceDriver::focusOut(DrawArea& drawArea)
{
    post(drawArea, HeadlessEvent::make(HeadlessEvent::FocusOut));
}

void HeadlessConformanceDriver::destroyWindow(DrawArea& drawArea)
{
    post(drawArea, HeadlessEvent::make(HeadlessEvent::Destroy));
}

void HeadlessConformanceDriver::pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers)
{
    post(drawArea, HeadlessEvent::makeButton(HeadlessEvent::ButtonPress, button, x, y, modifiers));
}

void HeadlessConformanceDriver::releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers)
{
    post(drawArea, HeadlessEvent::makeButton(HeadlessEvent::ButtonRelease, button, x, y, modifiers));
}

void HeadlessConformanceDriver::moveMouse(DrawArea& drawArea, int x, int y, int modifiers)
{
    post(drawArea, HeadlessEvent::makeMove(x, y, modifiers));
}

void HeadlessConformanceDriver::turnWheel(DrawArea& drawArea, int x, int y, int delta)
{
    post(drawArea, HeadlessEvent::makeWheel(x, y, delta, 0));
}

void HeadlessConformanceDriver::pressKey(DrawArea& drawArea, int key, int modifiers)
{
    post(drawArea, HeadlessEvent::makeKey(HeadlessEvent::KeyPress, key, modifiers));
}

void HeadlessConformanceDriver::releaseKey(DrawArea& drawArea, int key, int modifiers)
{
    post(drawArea, HeadlessEvent::makeKey(HeadlessEvent::KeyRelease, key, modifiers));
}

double HeadlessConformanceDriver::pixelRatio(DrawArea& drawArea) { return area(drawArea).pixelRatio(); }

void* HeadlessConformanceDriver::glProcAddress(const char* name)
{
    return orvane::sdk::headlesshost::HeadlessDisplay::procAddress(name);
}

// The last swapped frame; black at the area's size before the first.
bool HeadlessConformanceDriver::grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb)
{
    HeadlessGLDrawArea& shown = area(drawArea);
    const orvane::sdk::headlesshost::HeadlessFrame& frame = shown.frame();
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

HeadlessGLDrawArea& HeadlessConformanceDriver::area(DrawArea& drawArea)
{
    return dynamic_cast<HeadlessGLDrawArea&>(drawArea);
}

void HeadlessConformanceDriver::post(DrawArea& drawArea, const HeadlessEvent& event) { m_loop.post(area(drawArea), event); }
