#include "ovsdkglfwhost/GlfwGLDrawArea.h"

#include "GlfwLibraryEvent.h"
#include "GlfwLiveWindows.h"
#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"

#include "integration/intern/MouseEvent.h"
#include "ovexception/ExceptionBase.h"

#include <GLFW/glfw3.h>

#include <cmath>

namespace orvane {
namespace sdk {
namespace glfwhost {

using namespace integration;

namespace {

void post(GLFWwindow* window, const GlfwWindowEvent& event)
{
    static_cast<GlfwEventLoop*>(glfwGetWindowUserPointer(window))->post(event);
}

// GLFW gives no modifiers with moves and scrolls: those held now.
int heldModifiers(GLFWwindow* window)
{
    const auto held = [window](int left, int right) {
        return glfwGetKey(window, left) == GLFW_PRESS || glfwGetKey(window, right) == GLFW_PRESS;
    };
    return (held(GLFW_KEY_LEFT_SHIFT, GLFW_KEY_RIGHT_SHIFT) ? GLFW_MOD_SHIFT : 0) |
           (held(GLFW_KEY_LEFT_CONTROL, GLFW_KEY_RIGHT_CONTROL) ? GLFW_MOD_CONTROL : 0) |
           (held(GLFW_KEY_LEFT_ALT, GLFW_KEY_RIGHT_ALT) ? GLFW_MOD_ALT : 0);
}

void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods)
{
    post(window, GlfwWindowEvent::makeKey(window, key, scancode, action, mods));
}

void characterCallback(GLFWwindow* window, unsigned int codepoint)
{
    post(window, GlfwWindowEvent::makeCharacter(window, codepoint));
}

void mouseButtonCallback(GLFWwindow* window, int button, int action, int mods)
{
    double x = 0.0, y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    post(window, GlfwWindowEvent::makeMouseButton(window, button, action, mods, x, y));
}

void cursorCallback(GLFWwindow* window, double x, double y)
{
    post(window, GlfwWindowEvent::makeCursorMoved(window, x, y, heldModifiers(window)));
}

void scrollCallback(GLFWwindow* window, double scrollX, double scrollY)
{
    double x = 0.0, y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    post(window, GlfwWindowEvent::makeScroll(window, scrollX, scrollY, x, y, heldModifiers(window)));
}

void refreshCallback(GLFWwindow* window) { post(window, GlfwWindowEvent::makeRefresh(window)); }

void framebufferSizeCallback(GLFWwindow* window, int, int)
{
    post(window, GlfwWindowEvent::makeFramebufferResized(window));
}

void contentScaleCallback(GLFWwindow* window, float, float)
{
    post(window, GlfwWindowEvent::makeContentScaleChanged(window));
}

void focusCallback(GLFWwindow* window, int focused)
{
    post(window, GlfwWindowEvent::makeFocus(window, focused == GLFW_TRUE));
}

} // namespace

GlfwGLDrawArea::GlfwGLDrawArea(GlfwEventLoop& loop, int width, int height, const std::string& title, bool visible)
    : m_loop(loop),
      m_window(nullptr),
      m_stateObservable(*this),
      m_pageTracker(*this),
      m_exposed(false),
      m_fullDamagePending(true)
{
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_DOUBLEBUFFER, GLFW_TRUE);
    glfwWindowHint(GLFW_VISIBLE, visible ? GLFW_TRUE : GLFW_FALSE);
    m_window = GlfwLiveWindows::create(width, height, title.c_str());
    glfwDefaultWindowHints();
    if (m_window == nullptr)
        throw ExceptionBase("GLFW made no window with an OpenGL context for the drawing area \"" + title + "\".");
    GLFWwindow* const previous = glfwGetCurrentContext();
    glfwMakeContextCurrent(m_window);
    glfwSwapInterval(0);
    glfwMakeContextCurrent(previous);
    m_glContext.setWindow(m_window);
    m_loop.addWindow(m_window, *this);
    installCallbacks();
}

GlfwGLDrawArea::~GlfwGLDrawArea()
{
    m_loop.cancelTasks(this);
    destroyNativeWindow();
}

void GlfwGLDrawArea::installCallbacks()
{
    glfwSetWindowUserPointer(m_window, &m_loop);
    glfwSetKeyCallback(m_window, keyCallback);
    glfwSetCharCallback(m_window, characterCallback);
    glfwSetMouseButtonCallback(m_window, mouseButtonCallback);
    glfwSetCursorPosCallback(m_window, cursorCallback);
    glfwSetScrollCallback(m_window, scrollCallback);
    glfwSetWindowRefreshCallback(m_window, refreshCallback);
    glfwSetFramebufferSizeCallback(m_window, framebufferSizeCallback);
    glfwSetWindowContentScaleCallback(m_window, contentScaleCallback);
    glfwSetWindowFocusCallback(m_window, focusCallback);
}

bool GlfwGLDrawArea::canRender()
{
    int width = 0, height = 0;
    getSize(width, height);
    return m_window != nullptr && m_exposed && glfwGetWindowAttrib(m_window, GLFW_ICONIFIED) == GLFW_FALSE &&
           width > 0 && height > 0;
}

void GlfwGLDrawArea::getSize(int& width, int& height)
{
    width = height = 0;
    if (m_window != nullptr)
        glfwGetFramebufferSize(m_window, &width, &height);
}

GLContextInterface& GlfwGLDrawArea::getGLContext() { return m_glContext; }

bool GlfwGLDrawArea::isValid() { return m_window != nullptr; }

void GlfwGLDrawArea::addStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.addStateListener(listener);
}

void GlfwGLDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.removeStateListener(listener);
}

void GlfwGLDrawArea::setPageManager(PageManagerInterface& manager)
{
    m_pageTracker.setPageManager(manager);
    // The new page exists once the loop runs again; a window already
    // exposed reports full damage then, so that the page gets drawn.
    m_loop.postTask(this, [this] {
        if (m_exposed && m_window != nullptr)
            reportExposed(true);
    });
}

GLFWwindow* GlfwGLDrawArea::window() const { return m_window; }

void GlfwGLDrawArea::destroyNativeWindow()
{
    if (m_window == nullptr)
        return;
    // Listeners hear it while the window still exists, so that they can
    // still unregister themselves.
    m_stateObservable.reportDestroyed();
    GLFWwindow* const window = m_window;
    m_window = nullptr;
    m_exposed = false;
    m_glContext.setWindow(nullptr);
    m_loop.removeWindow(window);
    GlfwLiveWindows::destroy(window);
}

double GlfwGLDrawArea::devicePixelRatio() const
{
    if (m_window == nullptr)
        return 1.0;
    int windowWidth = 0, windowHeight = 0, framebufferWidth = 0, framebufferHeight = 0;
    glfwGetWindowSize(m_window, &windowWidth, &windowHeight);
    glfwGetFramebufferSize(m_window, &framebufferWidth, &framebufferHeight);
    return windowWidth > 0 && framebufferWidth > 0 ? double(framebufferWidth) / windowWidth : 1.0;
}

float GlfwGLDrawArea::contentScale() const
{
    float x = 1.0f, y = 1.0f;
    if (m_window != nullptr)
        glfwGetWindowContentScale(m_window, &x, &y);
    return x;
}

int GlfwGLDrawArea::toDevicePixels(double screenCoordinate) const
{
    return int(std::lround(screenCoordinate * devicePixelRatio()));
}

int GlfwGLDrawArea::pageCount() { return m_pageTracker.pageCount(); }

bool GlfwGLDrawArea::isExposed() const { return m_exposed; }

void GlfwGLDrawArea::deliver(const GlfwWindowEvent& event)
{
    if (m_window == nullptr)
        return;
    switch (event.kind)
    {
    case GlfwWindowEvent::Refresh:
        m_exposed = true;
        reportExposed(m_fullDamagePending);
        break;
    case GlfwWindowEvent::FramebufferResized:
        if (m_exposed)
            reportExposed(true);
        else
            m_fullDamagePending = true;
        break;
    case GlfwWindowEvent::ContentScaleChanged: m_fullDamagePending = true; break;
    case GlfwWindowEvent::Focus:
        if (event.focused)
            m_stateObservable.reportFocusGained();
        break;
    case GlfwWindowEvent::MouseButton:
    case GlfwWindowEvent::CursorMoved:
    {
        intern::MouseEvent mouseEvent(this, mouseButtonOf(event), toDevicePixels(event.x), toDevicePixels(event.y));
        reportMouse(mouseActionOf(event), mouseEvent);
        break;
    }
    case GlfwWindowEvent::Scroll:
    {
        intern::MouseWheelEvent wheel = wheelEventOf(event, *this, m_loop);
        reportWheel(wheel);
        break;
    }
    case GlfwWindowEvent::Key:
        if (!isModifierKey(event.key))
            reportKey(event.action != GLFW_RELEASE, hostKeyCode(event));
        break;
    case GlfwWindowEvent::Character: break;
    }
}

void GlfwGLDrawArea::reportExposed(bool fullDamage)
{
    m_fullDamagePending = false;
    m_stateObservable.reportExposed(fullDamage);
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
