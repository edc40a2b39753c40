// The engine in batch mode on the headless kit, drawing pages one at a
// time: a page the host makes (in a drawing area of its own) or one the
// engine asks for (in a drawing area of the kit's factory).
#ifndef EXAMPLES_RENDER_PAGES_PAGERENDERER_H
#define EXAMPLES_RENDER_PAGES_PAGERENDERER_H

#include "ovsdkheadlesshost/HeadlessFrame.h"
#include "ovsdkheadlesshost/HeadlessGLDrawAreaFactory.h"
#include "ovsdkheadlesshost/HeadlessSession.h"

class PageRenderer
{
public:
    // Pages of `width` x `height` device pixels at `pixelRatio`. Throws
    // orvane::ExceptionBase when no OpenGL without a display is usable or
    // the engine does not start.
    PageRenderer(int width, int height, double pixelRatio, int layoutMilliseconds);

    orvane::sdk::headlesshost::HeadlessEventLoop& loop();

    // Page `number` (from 1; odd ones the host's, even ones the engine's),
    // laid out by the engine (a long operation that the loop's interrupt
    // stops) and drawn; false when it was interrupted or not drawn. Its
    // picture is then in `frame`, and the page is gone again.
    bool render(int number, orvane::sdk::headlesshost::HeadlessFrame& frame);
    static bool isEngineMade(int number);

private:
    orvane::sdk::headlesshost::HeadlessSession m_session;
    orvane::sdk::headlesshost::HeadlessGLDrawAreaFactory m_factory;
    int m_width;
    int m_height;
    double m_pixelRatio;
    int m_layoutMilliseconds;
};

#endif // EXAMPLES_RENDER_PAGES_PAGERENDERER_H
