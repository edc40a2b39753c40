#include "ovsdkglfwhost/GlfwOffscreenImage.h"

#include "GlfwHiddenWindow.h"

#include "ovexception/ExceptionBase.h"

#include <GLFW/glfw3.h>
#include <GL/glext.h>

namespace orvane {
namespace sdk {
namespace glfwhost {

// The OpenGL functions the image needs, from its own context.
struct GlfwOffscreenImage::Functions
{
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
    void (*viewport)(GLint, GLint, GLsizei, GLsizei);
    void (*pixelStorei)(GLenum, GLint);
    void (*readPixels)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);

    // Resolved in the context current now; false when one is missing.
    bool resolve()
    {
        return get(genFramebuffers, "glGenFramebuffers") && get(deleteFramebuffers, "glDeleteFramebuffers") &&
               get(bindFramebuffer, "glBindFramebuffer") && get(genRenderbuffers, "glGenRenderbuffers") &&
               get(deleteRenderbuffers, "glDeleteRenderbuffers") && get(bindRenderbuffer, "glBindRenderbuffer") &&
               get(renderbufferStorage, "glRenderbufferStorage") &&
               get(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
               get(checkFramebufferStatus, "glCheckFramebufferStatus") && get(viewport, "glViewport") &&
               get(pixelStorei, "glPixelStorei") && get(readPixels, "glReadPixels");
    }

    template <typename Function>
    static bool get(Function& function, const char* name)
    {
        function = reinterpret_cast<Function>(glfwGetProcAddress(name));
        return function != nullptr;
    }
};

GlfwOffscreenImage::GlfwOffscreenImage(int width, int height)
    : m_width(width),
      m_height(height),
      m_window(new GlfwHiddenWindow),
      m_gl(new Functions()),
      m_framebuffer(0),
      m_renderbuffer(0),
      m_glContext(*this)
{
    if (width < 1 || height < 1)
        throw ExceptionBase("An offscreen image needs a size of at least 1 x 1 pixels.");
    if (m_window->window() == nullptr)
        throw ExceptionBase("No OpenGL context could be created for the offscreen image.");
    m_glContext.setWindow(m_window->window());
    GLFWwindow* const previous = glfwGetCurrentContext();
    glfwMakeContextCurrent(m_window->window());
    const bool made = m_gl->resolve();
    if (made)
        createFramebuffer();
    glfwMakeContextCurrent(previous);
    if (!made)
        throw ExceptionBase("The OpenGL context of the offscreen image has no framebuffer objects.");
    if (m_framebuffer == 0)
        throw ExceptionBase("No OpenGL framebuffer of the offscreen image's size could be created.");
    m_pixels.assign(std::size_t(width) * std::size_t(height) * 3, 0);
}

GlfwOffscreenImage::~GlfwOffscreenImage()
{
    // The framebuffer goes with its context current.
    GLFWwindow* const previous = glfwGetCurrentContext();
    glfwMakeContextCurrent(m_window->window());
    deleteFramebuffer();
    glfwMakeContextCurrent(previous == m_window->window() ? nullptr : previous);
}

void GlfwOffscreenImage::createFramebuffer()
{
    m_gl->genRenderbuffers(1, &m_renderbuffer);
    m_gl->bindRenderbuffer(GL_RENDERBUFFER, m_renderbuffer);
    m_gl->renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, m_width, m_height);
    m_gl->genFramebuffers(1, &m_framebuffer);
    m_gl->bindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_renderbuffer);
    const bool complete = m_gl->checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    m_gl->bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete)
        deleteFramebuffer();
}

void GlfwOffscreenImage::deleteFramebuffer()
{
    if (m_framebuffer != 0)
        m_gl->deleteFramebuffers(1, &m_framebuffer);
    if (m_renderbuffer != 0)
        m_gl->deleteRenderbuffers(1, &m_renderbuffer);
    m_framebuffer = m_renderbuffer = 0;
}

void GlfwOffscreenImage::readBack()
{
    m_gl->pixelStorei(GL_PACK_ALIGNMENT, 1);
    m_gl->readPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, m_pixels.data());
}

bool GlfwOffscreenImage::render(ExportRegion_e) { return m_framebuffer != 0; }

integration::GLContextInterface& GlfwOffscreenImage::getGLContext() { return m_glContext; }

bool GlfwOffscreenImage::readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const
{
    if (row < 0 || row >= m_height)
        return false;
    const unsigned char* pixel = &m_pixels[std::size_t(m_height - 1 - row) * std::size_t(m_width) * 3];
    for (int column = 0; column < m_width; ++column)
    {
        red[column] = *pixel++;
        green[column] = *pixel++;
        blue[column] = *pixel++;
    }
    return true;
}

int GlfwOffscreenImage::width() const { return m_width; }

int GlfwOffscreenImage::height() const { return m_height; }

GlfwOffscreenImage::FramebufferContext::FramebufferContext(GlfwOffscreenImage& image) : m_image(&image) {}

bool GlfwOffscreenImage::FramebufferContext::makeCurrent()
{
    if (!GlfwGLContext::makeCurrent())
        return false;
    m_image->m_gl->bindFramebuffer(GL_FRAMEBUFFER, m_image->m_framebuffer);
    m_image->m_gl->viewport(0, 0, m_image->m_width, m_image->m_height);
    return true;
}

bool GlfwOffscreenImage::FramebufferContext::releaseCurrent()
{
    if (glfwGetCurrentContext() == window())
    {
        m_image->readBack();
        m_image->m_gl->bindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    return GlfwGLContext::releaseCurrent();
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
