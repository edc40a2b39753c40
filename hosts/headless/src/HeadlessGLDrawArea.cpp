#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

#include "HeadlessLibraryEvent.h"
#include "ovsdkheadlesshost/HeadlessEventLoop.h"

#include "integration/intern/MouseEvent.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

using namespace integration;

HeadlessGLDrawArea::HeadlessGLDrawArea(HeadlessEventLoop& loop, HeadlessDisplay& display, int width, int height,
                                       double pixelRatio)
    : m_loop(loop),
      m_context(display, width, height),
      m_width(width),
      m_height(height),
      m_pixelRatio(pixelRatio),
      m_valid(true),
      m_stateObservable(*this)
{
}

HeadlessGLDrawArea::~HeadlessGLDrawArea()
{
    m_loop.forget(*this);
    destroyNativeWindow();
}

void HeadlessGLDrawArea::deliver(const HeadlessEvent& event)
{
    switch (event.kind)
    {
    case HeadlessEvent::KeyPress:
    case HeadlessEvent::KeyRelease:
        reportKey(event.kind == HeadlessEvent::KeyPress, event.key);
        break;
    case HeadlessEvent::Expose:
        expose(false);
        break;
    case HeadlessEvent::Resize:
        m_width = event.width;
        m_height = event.height;
        m_context.setSize(m_width, m_height);
        expose(true);
        break;
    case HeadlessEvent::FocusIn:
        m_stateObservable.reportFocusGained();
        break;
    case HeadlessEvent::FocusOut:
        break;
    case HeadlessEvent::Destroy:
        destroyNativeWindow();
        break;
    case HeadlessEvent::Wheel:
    {
        intern::MouseWheelEvent wheel = wheelEventOf(event, m_loop);
        reportWheel(wheel);
        break;
    }
    default:
    {
        intern::MouseEvent mouse(this, mouseButtonOf(event), event.x, event.y);
        reportMouse(mouseActionOf(event), mouse);
    }
    }
}

void HeadlessGLDrawArea::expose(bool fullDamage)
{
    if (!m_valid)
        return;
    m_stateObservable.reportExposed(fullDamage);
}

void HeadlessGLDrawArea::destroyNativeWindow()
{
    if (!m_valid)
        return;
    m_stateObservable.reportDestroyed();
    m_valid = false;
}

double HeadlessGLDrawArea::pixelRatio() const { return m_pixelRatio; }

const HeadlessFrame& HeadlessGLDrawArea::frame() const { return m_context.frame(); }

int HeadlessGLDrawArea::frameCount() const { return m_context.frameCount(); }

bool HeadlessGLDrawArea::canRender() { return m_valid; }

void HeadlessGLDrawArea::getSize(int& width, int& height)
{
    width = m_width;
    height = m_height;
}

GLContextInterface& HeadlessGLDrawArea::getGLContext() { return m_context; }

bool HeadlessGLDrawArea::isValid() { return m_valid; }

void HeadlessGLDrawArea::addStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.addStateListener(listener);
}

void HeadlessGLDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.removeStateListener(listener);
}

void HeadlessGLDrawArea::setPageManager(PageManagerInterface&) {}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
