#include "GlfwConformanceDriver.h"

#include "X11WindowGrab.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"

#include <GLFW/glfw3.h>

#include <cctype>
#include <cmath>
#include <cstring>

using orvane::sdk::glfwhost::GlfwGLDrawArea;
using orvane::sdk::glfwhost::GlfwWindowEvent;

namespace {

const int Control = 2;
const int Alt = 4;
const int Escape = 27;

// The GLFW key that types `character` without Shift on a US keyboard; the
// keypad's for '+', a key of another layout for the other characters.
int glfwKeyOf(int character)
{
    if (std::isalpha(character))
        return std::toupper(character);
    if (std::isdigit(character) || std::strchr(" ',-./;=[\\]`", character) != nullptr)
        return character;
    return character == '+' ? GLFW_KEY_KP_ADD : GLFW_KEY_WORLD_1;
}

} // namespace

GlfwConformanceDriver::GlfwConformanceDriver(orvane::sdk::glfwhost::GlfwEventLoop& loop) : m_loop(loop) {}

void GlfwConformanceDriver::processEvents()
{
    for (int round = 0; round < 2; ++round)
        m_loop.runOnce(0.003);
}

void GlfwConformanceDriver::resize(DrawArea& drawArea, int width, int height)
{
    glfwSetWindowSize(area(drawArea).window(), int(std::lround(screen(drawArea, width))),
                      int(std::lround(screen(drawArea, height))));
}

void GlfwConformanceDriver::expose(DrawArea& drawArea)
{
    m_loop.post(GlfwWindowEvent::makeRefresh(area(drawArea).window()));
}

void GlfwConformanceDriver::focusIn(DrawArea& drawArea)
{
    m_loop.post(GlfwWindowEvent::makeFocus(area(drawArea).window(), true));
}

void GlfwConformanceDriver::focusOut(DrawArea& drawArea)
{
    m_loop.post(GlfwWindowEvent::makeFocus(area(drawArea).window(), false));
}

void GlfwConformanceDriver::destroyWindow(DrawArea& drawArea)
{
    GlfwGLDrawArea* const target = &area(drawArea);
    // The drawing area cancels its own tasks when it goes.
    m_loop.postTask(target, [target] { target->destroyNativeWindow(); });
}

void GlfwConformanceDriver::pressButton(DrawArea& drawArea, MouseButton mouseButton, int x, int y, int modifiers)
{
    button(drawArea, mouseButton, true, x, y, modifiers);
}

void GlfwConformanceDriver::releaseButton(DrawArea& drawArea, MouseButton mouseButton, int x, int y, int modifiers)
{
    button(drawArea, mouseButton, false, x, y, modifiers);
}

void GlfwConformanceDriver::button(DrawArea& drawArea, MouseButton mouseButton, bool press, int x, int y,
                                   int modifiers)
{
    m_loop.post(GlfwWindowEvent::makeMouseButton(area(drawArea).window(),
                                                 orvane::sdk::glfwhost::toGlfwButton(mouseButton),
                                                 press ? GLFW_PRESS : GLFW_RELEASE, modifiers,
                                                 screen(drawArea, x), screen(drawArea, y)));
}

void GlfwConformanceDriver::moveMouse(DrawArea& drawArea, int x, int y, int modifiers)
{
    m_loop.post(GlfwWindowEvent::makeCursorMoved(area(drawArea).window(), screen(drawArea, x), screen(drawArea, y),
                                                 modifiers));
}

void GlfwConformanceDriver::turnWheel(DrawArea& drawArea, int x, int y, int delta)
{
    m_loop.post(GlfwWindowEvent::makeScroll(area(drawArea).window(), 0.0, delta / 120.0, screen(drawArea, x),
                                            screen(drawArea, y), 0));
}

void GlfwConformanceDriver::pressKey(DrawArea& drawArea, int character, int modifiers)
{
    key(drawArea, character, true, modifiers);
}

void GlfwConformanceDriver::releaseKey(DrawArea& drawArea, int character, int modifiers)
{
    key(drawArea, character, false, modifiers);
}

void GlfwConformanceDriver::key(DrawArea& drawArea, int character, bool press, int modifiers)
{
    GLFWwindow* const window = area(drawArea).window();
    const int glfwKey = character == Escape ? GLFW_KEY_ESCAPE : glfwKeyOf(character);
    m_loop.post(GlfwWindowEvent::makeKey(window, glfwKey, 0, press ? GLFW_PRESS : GLFW_RELEASE, modifiers));
    // GLFW reports no character for Escape, nor with Control or Alt held.
    if (press && character != Escape && (modifiers & (Control | Alt)) == 0)
        m_loop.post(GlfwWindowEvent::makeCharacter(window, static_cast<unsigned int>(character)));
}

double GlfwConformanceDriver::pixelRatio(DrawArea& drawArea) { return area(drawArea).devicePixelRatio(); }

void* GlfwConformanceDriver::glProcAddress(const char* name)
{
    return orvane::sdk::glfwhost::GlfwGLContext::currentContextProcAddress(name);
}

bool GlfwConformanceDriver::grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb)
{
    GlfwGLDrawArea& shown = area(drawArea);
    shown.getSize(width, height);
    return shown.isExposed() && X11WindowGrab::grab(shown.window(), width, height, rgb);
}

GlfwGLDrawArea& GlfwConformanceDriver::area(DrawArea& drawArea) { return dynamic_cast<GlfwGLDrawArea&>(drawArea); }

double GlfwConformanceDriver::screen(DrawArea& drawArea, int devicePixels)
{
    return devicePixels / area(drawArea).devicePixelRatio();
}
