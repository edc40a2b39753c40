#include "ovsdkglfwhost/GlfwOffscreenImage.h"

#include "GLFramebuffer.h"
#include "GlfwHiddenWindow.h"

#include "ovexception/ExceptionBase.h"

#include <GLFW/glfw3.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwOffscreenImage::GlfwOffscreenImage(int width, int height)
    : m_width(width), m_height(height), m_window(new GlfwHiddenWindow), m_glContext(*this)
{
    if (width < 1 || height < 1)
        throw ExceptionBase("An offscreen image needs a size of at least 1 x 1 pixels.");
    if (m_window->window() == nullptr)
        throw ExceptionBase("No OpenGL context could be created for the offscreen image.");
    m_glContext.setWindow(m_window->window());
    GLFWwindow* const previous = glfwGetCurrentContext();
    glfwMakeContextCurrent(m_window->window());
    m_framebuffer.reset(new hostcommon::GLFramebuffer(&GlfwGLContext::currentContextProcAddress));
    const bool available = m_framebuffer->available();
    const bool made = available && m_framebuffer->bind(width, height);
    if (made)
        m_framebuffer->unbind();
    else
        m_framebuffer.reset();
    glfwMakeContextCurrent(previous);
    if (!available)
        throw ExceptionBase("The OpenGL context of the offscreen image has no framebuffer objects.");
    if (!made)
        throw ExceptionBase("No OpenGL framebuffer of the offscreen image's size could be created.");
    m_rgba.assign(std::size_t(width) * std::size_t(height) * 4, 0);
}

GlfwOffscreenImage::~GlfwOffscreenImage()
{
    // The framebuffer goes with its context current.
    GLFWwindow* const previous = glfwGetCurrentContext();
    glfwMakeContextCurrent(m_window->window());
    m_framebuffer.reset();
    glfwMakeContextCurrent(previous == m_window->window() ? nullptr : previous);
}

bool GlfwOffscreenImage::render(ExportRegion_e) { return m_framebuffer != nullptr; }

integration::GLContextInterface& GlfwOffscreenImage::getGLContext() { return m_glContext; }

bool GlfwOffscreenImage::readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const
{
    return hostcommon::readRGBARow(m_rgba, m_width, m_height, row, red, green, blue);
}

int GlfwOffscreenImage::width() const { return m_width; }

int GlfwOffscreenImage::height() const { return m_height; }

GlfwOffscreenImage::FramebufferContext::FramebufferContext(GlfwOffscreenImage& image) : m_image(&image) {}

bool GlfwOffscreenImage::FramebufferContext::makeCurrent()
{
    return GlfwGLContext::makeCurrent() && m_image->m_framebuffer->bind(m_image->m_width, m_image->m_height);
}

bool GlfwOffscreenImage::FramebufferContext::releaseCurrent()
{
    if (glfwGetCurrentContext() == window())
    {
        m_image->m_framebuffer->read(m_image->m_width, m_image->m_height, m_image->m_rgba);
        m_image->m_framebuffer->unbind();
    }
    return GlfwGLContext::releaseCurrent();
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
