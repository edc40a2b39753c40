#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"

#include "ovsdkheadlesshost/HeadlessEventLoop.h"

#include "integration/intern/KeyEvent.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseWheelEvent.h"

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
        deliverKey(event);
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
        m_stateObservable.notifyOfFocusGained();
        signalDrawAreaFocusGained();
        break;
    case HeadlessEvent::FocusOut:
        break;
    case HeadlessEvent::Destroy:
        destroyNativeWindow();
        break;
    default:
        deliverMouse(event);
    }
}

void HeadlessGLDrawArea::deliverMouse(const HeadlessEvent& event)
{
    if (event.kind == HeadlessEvent::Wheel)
    {
        intern::MouseWheelEvent wheel(event.x, event.y, event.delta, m_loop.isButtonDown(1), m_loop.isButtonDown(2),
                                      m_loop.isButtonDown(3), MouseWheelEventInterface::Orientation_Vertical);
        signalWheelRotated(wheel);
        // The engine zooms with '+' and '-' and takes no wheel event.
        if (event.delta != 0)
        {
            const int zoomKey = event.delta > 0 ? '+' : '-';
            deliverKey(HeadlessEvent::makeKey(HeadlessEvent::KeyPress, zoomKey, event.modifiers));
            deliverKey(HeadlessEvent::makeKey(HeadlessEvent::KeyRelease, zoomKey, event.modifiers));
        }
        return;
    }
    const bool move = event.kind == HeadlessEvent::MouseMove;
    intern::MouseEvent mouse(this, move ? MouseEventInterface::MouseButton_None
                                        : static_cast<MouseEventInterface::MouseButton_e>(event.button),
                             event.x, event.y);
    if (move)
    {
        m_mouseEventObservable.notifyOfMouseMoved(mouse, *this);
        signalMouseMoved(mouse);
    }
    else if (event.kind == HeadlessEvent::ButtonPress)
    {
        m_mouseEventObservable.notifyOfButtonPressed(mouse, *this);
        signalButtonPressed(mouse);
    }
    else
    {
        m_mouseEventObservable.notifyOfButtonReleased(mouse, *this);
        signalButtonReleased(mouse);
    }
}

void HeadlessGLDrawArea::deliverKey(const HeadlessEvent& event)
{
    intern::KeyEvent key(this, event.key);
    if (event.kind == HeadlessEvent::KeyPress)
        m_keyEventObservable.notifyOfKeyPressed(key, *this);
    else
        m_keyEventObservable.notifyOfKeyReleased(key, *this);
}

void HeadlessGLDrawArea::expose(bool fullDamage)
{
    if (!m_valid)
        return;
    m_stateObservable.notifyOfExposed(fullDamage);
    signalDrawAreaExposed(fullDamage);
}

void HeadlessGLDrawArea::destroyNativeWindow()
{
    if (!m_valid)
        return;
    m_stateObservable.notifyOfDestroyed();
    signalDrawAreaDestroyed();
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
