#include "PageRenderer.h"

#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <memory>

using namespace orvane::sdk;

namespace {

// The engine lays a page out in steps of this many milliseconds at most.
const int LayoutSteps = 10;

} // namespace

PageRenderer::PageRenderer(int width, int height, double pixelRatio, int layoutMilliseconds)
    : m_factory(m_session.loop(), m_session.display(), width, height, pixelRatio),
      m_width(width),
      m_height(height),
      m_pixelRatio(pixelRatio),
      m_layoutMilliseconds(layoutMilliseconds)
{
    m_session.misc().setScreen(1920, 1080, 25.4 / 96.0 / pixelRatio, pixelRatio);
    m_session.manager().getPageManager().setGLDrawAreaFactory(m_factory);
    const integration::ManagerInterface::ManagerStartReturnCode_e result =
        m_session.start("orvane-render-pages", "/tmp");
    if (result != integration::ManagerInterface::ManagerStartReturnCode_Ok)
        throw orvane::ExceptionBase("the engine did not start: " + m_session.manager().returnCodeString(result));
    orvane::sim::enableOpenGLDrawing(&headlesshost::HeadlessDisplay::procAddress);
    orvane::sim::setBusyStepMilliseconds(m_layoutMilliseconds / LayoutSteps);
}

headlesshost::HeadlessEventLoop& PageRenderer::loop() { return m_session.loop(); }

bool PageRenderer::isEngineMade(int number) { return number % 2 == 0; }

bool PageRenderer::render(int number, headlesshost::HeadlessFrame& frame)
{
    headlesshost::HeadlessEventLoop& loop = m_session.loop();
    if (loop.isInterruptRequested())
        return false;
    integration::PageManagerInterface& pages = m_session.manager().getPageManager();
    std::unique_ptr<headlesshost::HeadlessGLDrawArea> hostArea;
    headlesshost::HeadlessGLDrawArea* area = nullptr;
    if (isEngineMade(number))
    {
        if (!orvane::sim::requestPage({"Engine page " + std::to_string(number)}) || m_factory.drawAreas().empty())
            return false;
        area = m_factory.drawAreas().back().get();
    }
    else
    {
        hostArea.reset(new headlesshost::HeadlessGLDrawArea(loop, m_session.display(), m_width, m_height, m_pixelRatio));
        pages.addPage(hostArea.get());
        area = hostArea.get();
    }
    integration::PageInterface* const page = pages.getCurrentPage();
    const bool laidOut = m_layoutMilliseconds == 0 || orvane::sim::runBusyOperation(LayoutSteps);
    const bool drawn = laidOut && !loop.isInterruptRequested() && page != nullptr && page->redraw() &&
                       area->frameCount() > 0;
    if (drawn)
        frame = area->frame();
    if (page != nullptr)
        pages.deletePage(*page);
    loop.runOnce();
    return drawn;
}
