#include "X11WindowGrab.h"

#include <GLFW/glfw3.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// GLFW's native access on X11 (glfw3native.h would need the XRandR headers).
extern "C" Display* glfwGetX11Display(void);
extern "C" Window glfwGetX11Window(GLFWwindow* window);

namespace {

unsigned char channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    while ((mask & 1) == 0)
    {
        mask >>= 1;
        pixel >>= 1;
    }
    return static_cast<unsigned char>(pixel & mask);
}

} // namespace

bool X11WindowGrab::grab(GLFWwindow* window, int width, int height, std::vector<unsigned char>& rgb)
{
    if (window == nullptr || width < 1 || height < 1 || glfwGetX11Display() == nullptr)
        return false;
    XImage* image = XGetImage(glfwGetX11Display(), glfwGetX11Window(window), 0, 0, unsigned(width), unsigned(height),
                              AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    rgb.clear();
    rgb.reserve(std::size_t(width) * std::size_t(height) * 3);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
        {
            const unsigned long pixel = XGetPixel(image, column, row);
            rgb.push_back(channel(pixel, image->red_mask));
            rgb.push_back(channel(pixel, image->green_mask));
            rgb.push_back(channel(pixel, image->blue_mask));
        }
    XDestroyImage(image);
    return true;
}
