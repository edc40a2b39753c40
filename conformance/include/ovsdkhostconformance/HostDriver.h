#ifndef OVSDKHOSTCONFORMANCE_HOSTDRIVER_H
#define OVSDKHOSTCONFORMANCE_HOSTDRIVER_H

#include "integration/GLDrawAreaInterface.h"
#include "integration/MouseEventInterface.h"

#include <vector>

namespace orvane {
namespace sdk {
namespace hostconformance {

// What the host conformance suite needs to act on a host's windows the way
// its window system and its user do, and to look at the screen.
//
// A host implements it for the drawing areas its HostFactory makes. Every
// position and size is in device pixels, as the library sees them
// (GLDrawAreaInterface::getSize and the positions of mouse events); the
// driver converts them to whatever its toolkit takes. Modifiers are the
// library's bits: 1 Shift, 2 Control, 4 Alt.
//
// Every operation only queues what it does, as a window system queues its
// events: it reaches the host when the host's event loop runs next, that is
// in processEvents() below, or in the monitor's processPendingEvents() when
// the suite plays the engine's busy loop. So a Qt driver posts its QTest
// calls with QTimer::singleShot(0, ...); a host with an event queue of its
// own puts them there.
class HostDriver
{
public:
    // A drawing area the host's HostFactory made.
    typedef integration::GLDrawAreaInterface DrawArea;
    // A mouse button in the library's numbers.
    typedef integration::MouseEventInterface::MouseButton_e MouseButton;

    // Destroyed by the suite after the host's drawing areas.
    virtual ~HostDriver();

    // Runs the host's event loop until what was queued has been delivered
    // and the application has gone idle once (so its monitor has reported
    // idle time). A few milliseconds of waiting for the window system are
    // fine; the suite calls it again when it waits for something.
    virtual void processEvents() = 0;

    // The window system gives the window a new size. The operations below
    // act as the window system too.
    virtual void resize(DrawArea& drawArea, int width, int height) = 0;
    // Exposes the whole window again.
    virtual void expose(DrawArea& drawArea) = 0;
    // The window gains the keyboard focus.
    virtual void focusIn(DrawArea& drawArea) = 0;
    // Optional: whether focusIn() may be called on a window that has the
    // keyboard focus already, and still reports a gain (true, the default).
    // A driver whose window system tells nothing to a window focused again
    // answers false: the suite then calls focusOut() before the first
    // focusIn() of a window.
    virtual bool mayFocusInFocusedWindow();
    // The window loses the keyboard focus.
    virtual void focusOut(DrawArea& drawArea) = 0;
    // The native window is destroyed; the object stays until the suite
    // deletes it.
    virtual void destroyWindow(DrawArea& drawArea) = 0;

    // The user presses `button` (MouseButton_1 to 3) at (x, y), with
    // `modifiers` held. The operations below act as the user too, with
    // `modifiers` held where they take them. A key is named by the
    // character it types (32..126, as typed, so 'A' comes with Shift) or 27
    // for Escape.
    virtual void pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) = 0;
    // Releases `button` at (x, y).
    virtual void releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) = 0;
    // Moves the pointer to (x, y), with whatever buttons are down.
    virtual void moveMouse(DrawArea& drawArea, int x, int y, int modifiers) = 0;
    // Turns the vertical wheel by `delta` (120 a notch, positive away from the
    // user) at (x, y).
    virtual void turnWheel(DrawArea& drawArea, int x, int y, int delta) = 0;
    // Presses the key typing `key`.
    virtual void pressKey(DrawArea& drawArea, int key, int modifiers) = 0;
    // Releases the key typing `key`.
    virtual void releaseKey(DrawArea& drawArea, int key, int modifiers) = 0;

    // Device pixels per logical pixel of the window, as the toolkit has it
    // (1 for a toolkit without the notion).
    virtual double pixelRatio(DrawArea& drawArea) = 0;

    // Optional: an OpenGL function of the context current now, null when
    // none can be given. The suite draws as the engine does, with OpenGL 1.x
    // immediate mode (glBegin, glColor3ub, glVertex2f, glEnd, with glViewport,
    // glScissor, glEnable, glDisable, glMatrixMode, glLoadIdentity and
    // glFinish), and asks glGetString, glGetIntegerv and glGetError what the
    // context is. Without it the checks of pixels are skipped, saying so.
    virtual void* glProcAddress(const char* name);

    // Optional: what the window shows on the screen now, from the screen
    // (or the window's front buffer), `width` x `height` device pixels, 3
    // bytes a pixel (red, green, blue), top row first. False (the default)
    // when the host cannot give real pixels: the checks of frames on the
    // screen are skipped, saying so.
    virtual bool grabScreen(DrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb);
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_HOSTDRIVER_H
