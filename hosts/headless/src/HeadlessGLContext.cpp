#include "ovsdkheadlesshost/HeadlessGLContext.h"

#include "CurrentContextKeeper.h"
#include "GLFramebuffer.h"

#include "ovexception/ExceptionBase.h"

#include <algorithm>

namespace orvane {
namespace sdk {
namespace headlesshost {

HeadlessGLContext::HeadlessGLContext(HeadlessDisplay& display, int width, int height, ReadBack_e readBack)
    : m_display(display),
      m_context(display.createContext()),
      m_readBack(readBack),
      m_width(std::max(width, 1)),
      m_height(std::max(height, 1)),
      m_frameCount(0)
{
    const CurrentContextKeeper keeper(m_display);
    try
    {
        if (!m_display.makeCurrent(m_context))
            throw ExceptionBase("EGL could not make a new OpenGL context current without a surface.");
        m_framebuffer.reset(new hostcommon::GLFramebuffer(&HeadlessDisplay::procAddress));
        if (!m_framebuffer->available())
            throw ExceptionBase("OpenGL framebuffer objects are missing: the EGL driver offers no glGenFramebuffers.");
        if (!m_framebuffer->bind(m_width, m_height))
            throw ExceptionBase("OpenGL made no framebuffer of " + std::to_string(m_width) + " x " +
                                std::to_string(m_height) + " pixels.");
        m_framebuffer->unbind();
    }
    catch (...)
    {
        m_framebuffer.reset();
        m_display.destroyContext(m_context);
        throw;
    }
}

HeadlessGLContext::~HeadlessGLContext()
{
    {
        const CurrentContextKeeper keeper(m_display, m_context);
        m_display.makeCurrent(m_context);
        m_framebuffer.reset();
    }
    m_display.destroyContext(m_context);
}

void HeadlessGLContext::swapBuffers()
{
    if (m_readBack != ReadBack_AtSwap)
        return;
    const CurrentContextKeeper keeper(m_display);
    if (m_display.makeCurrent(m_context))
        readBack();
}

bool HeadlessGLContext::makeCurrent()
{
    return m_display.makeCurrent(m_context) && m_framebuffer->bind(m_width, m_height);
}

bool HeadlessGLContext::releaseCurrent()
{
    if (!isCurrent())
        return true;
    if (m_readBack == ReadBack_AtRelease)
        readBack();
    m_framebuffer->unbind();
    return m_display.makeCurrent(nullptr);
}

void HeadlessGLContext::setSize(int width, int height)
{
    m_width = std::max(width, 1);
    m_height = std::max(height, 1);
}

const HeadlessFrame& HeadlessGLContext::frame() const { return m_frame; }

int HeadlessGLContext::frameCount() const { return m_frameCount; }

bool HeadlessGLContext::isCurrent() const { return m_display.currentContext() == m_context; }

void HeadlessGLContext::readBack()
{
    m_framebuffer->read(m_frame.width, m_frame.height, m_frame.rgba);
    m_framebuffer->unbind();
    ++m_frameCount;
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
