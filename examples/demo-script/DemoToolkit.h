// What the scripted session needs of a toolkit demo (GLFW, GTK): its loop's
// clock and timers, the session's two windows, the user's input on the
// road the window system's would take (so the application event monitor
// sees it), and what the screen shows. Positions and sizes are the
// window's logical pixels.
#ifndef DEMO_SCRIPT_DEMOTOOLKIT_H
#define DEMO_SCRIPT_DEMOTOOLKIT_H

#include <functional>
#include <vector>

class AccountedPlotRepairer;

namespace orvane {
namespace sdk {
namespace integration {
class GLDrawAreaInterface;
class ManagerAbstract;
} // namespace integration
} // namespace sdk
} // namespace orvane

class DemoToolkit
{
public:
    enum Window
    {
        // The host's own window, with the page the host adds.
        Window_Host,
        // The window of the page the engine asked for last.
        Window_Engine
    };

    virtual ~DemoToolkit();

    // Seconds of a monotonic clock.
    virtual double now() = 0;
    // Runs `action` every `milliseconds` from the loop, also while the
    // engine is busy, until stopTimer().
    virtual int startTimer(int milliseconds, std::function<void()> action) = 0;
    virtual void stopTimer(int timer) = 0;
    // Runs `task` from the loop soon, not from inside the caller (nor from
    // inside the toolkit's input handling).
    virtual void later(std::function<void()> task) = 0;
    // One pass of the loop, waiting for something to do.
    virtual void runOnce() = 0;

    virtual orvane::sdk::integration::ManagerAbstract& manager() = 0;
    virtual const AccountedPlotRepairer& repairer() const = 0;
    // Opens the host's window and adds a page to it.
    virtual void openHostWindow() = 0;
    // Whether any window is left.
    virtual bool hasWindows() = 0;
    // The window's drawing area; null without one.
    virtual orvane::sdk::integration::GLDrawAreaInterface* drawArea(Window window) = 0;
    // The user closes the window, or enlarges it to `width` x `height`.
    virtual void close(Window window) = 0;
    virtual void resize(Window window, int width, int height) = 0;
    // The window's device pixels to a logical pixel.
    virtual double pixelRatio(Window window) = 0;

    // The user's input.
    virtual void focus(Window window) = 0;
    // The left button pressed or released.
    virtual void mouseButton(Window window, bool press, double x, double y) = 0;
    // A move with the left button held.
    virtual void drag(Window window, double x, double y) = 0;
    // One notch of the wheel away from the user.
    virtual void wheel(Window window, double x, double y) = 0;
    // A press and release of the key that types `character` (27: Escape).
    virtual void key(Window window, char character) = 0;

    // Whether the last frame handed over is on the screen (a toolkit that
    // owns presentation shows it at its next paint).
    virtual bool framePainted(Window window);
    // What the screen shows of the window's drawing area, RGB, top row
    // first; false when it cannot be read.
    virtual bool grab(Window window, int& width, int& height, std::vector<unsigned char>& rgb) = 0;
    // Lets the window system catch up before the screen is read again.
    virtual void waitForScreen() = 0;
};

#endif // DEMO_SCRIPT_DEMOTOOLKIT_H
