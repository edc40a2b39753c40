#include "FramedDrawArea.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

using namespace integration;

namespace {

std::string answered(const char* call, bool result) { return std::string(call) + (result ? " true" : " false"); }

} // namespace

FramedDrawArea::FramedDrawArea(GLDrawAreaInterface& host, GLPainter& painter)
    : m_host(host), m_painter(painter), m_colour{0, 0, 0}, m_context(*this)
{
}

GLDrawAreaInterface& FramedDrawArea::host() { return m_host; }

void FramedDrawArea::setColour(GLPainter::Colour colour) { m_colour = colour; }

const std::vector<std::string>& FramedDrawArea::frameCalls() const { return m_frameCalls; }

void FramedDrawArea::clearFrameCalls() { m_frameCalls.clear(); }

bool FramedDrawArea::canRender() { return m_host.canRender(); }

void FramedDrawArea::getSize(int& width, int& height) { m_host.getSize(width, height); }

GLContextInterface& FramedDrawArea::getGLContext() { return m_context; }

bool FramedDrawArea::isValid() { return m_host.isValid(); }

void FramedDrawArea::addStateListener(GLDrawAreaListenerInterface* listener) { m_host.addStateListener(listener); }

void FramedDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_host.removeStateListener(listener);
}

void FramedDrawArea::setPageManager(PageManagerInterface& manager) { m_host.setPageManager(manager); }

void FramedDrawArea::addMouseListener(MouseEventListenerInterface* listener) { m_host.addMouseListener(listener); }

void FramedDrawArea::removeMouseListener(MouseEventListenerInterface* listener) { m_host.removeMouseListener(listener); }

void FramedDrawArea::addKeyboardListener(KeyEventListenerInterface* listener) { m_host.addKeyboardListener(listener); }

void FramedDrawArea::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_host.removeKeyboardListener(listener);
}

FramedDrawArea::Context::Context(FramedDrawArea& owner) : m_owner(owner) {}

void FramedDrawArea::Context::swapBuffers()
{
    m_owner.m_frameCalls.push_back("swapBuffers");
    m_owner.m_host.getGLContext().swapBuffers();
}

bool FramedDrawArea::Context::makeCurrent()
{
    const bool result = m_owner.m_host.getGLContext().makeCurrent();
    m_owner.m_frameCalls.push_back(answered("makeCurrent", result));
    return result;
}

bool FramedDrawArea::Context::releaseCurrent()
{
    int width = 0, height = 0;
    m_owner.m_host.getSize(width, height);
    static const char* const painted[] = {"painted", "not painted", "cannot paint"};
    m_owner.m_frameCalls.push_back(painted[m_owner.m_painter.fill(m_owner.m_colour, 0, 0, width, height)]);
    const bool result = m_owner.m_host.getGLContext().releaseCurrent();
    m_owner.m_frameCalls.push_back(answered("releaseCurrent", result));
    return result;
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
