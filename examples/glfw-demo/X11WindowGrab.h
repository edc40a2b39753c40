// What a GLFW window shows on the screen, read from the X server: the
// pixels of frames that were swapped, not of a back buffer.
#ifndef GLFW_DEMO_X11WINDOWGRAB_H
#define GLFW_DEMO_X11WINDOWGRAB_H

#include <vector>

struct GLFWwindow;

class X11WindowGrab
{
public:
    // `width` x `height` pixels of `window` from its top left corner, 3 bytes
    // a pixel (red, green, blue), top row first; false without a picture
    // (no window, not on an X display).
    static bool grab(GLFWwindow* window, int width, int height, std::vector<unsigned char>& rgb);
};

#endif // GLFW_DEMO_X11WINDOWGRAB_H
