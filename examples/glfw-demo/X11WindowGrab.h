// What a GLFW window shows on the screen, read from the X server: the
// pixels of frames that were swapped, not of a back buffer.
#ifndef GLFW_DEMO_X11WINDOWGRAB_H
#define GLFW_DEMO_X11WINDOWGRAB_H

#include <string>
#include <vector>

struct GLFWwindow;

class X11WindowGrab
{
public:
    // `width` x `height` pixels of `window` from its top left corner, 3 bytes
    // a pixel (red, green, blue), top row first; false without a picture
    // (no window, not on an X display).
    static bool grab(GLFWwindow* window, int width, int height, std::vector<unsigned char>& rgb);
    // Writes a grabbed picture as a binary PPM file; false when it cannot.
    static bool writePpm(const std::string& fileName, int width, int height, const std::vector<unsigned char>& rgb);
};

#endif // GLFW_DEMO_X11WINDOWGRAB_H
