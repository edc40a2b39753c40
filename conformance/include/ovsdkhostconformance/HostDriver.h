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
    typedef integration::GLDrawAreaInterface DrawArea;
    typedef integration::MouseEventInterface::MouseButton_e MouseButton;

    virtual ~HostDriver();

    // Runs the host's event loop until what was queued has been delivered
    // and the application has gone idle once (so its monitor has reported
    // idle time). A few milliseconds of waiting for the window system are
    // fine; the suite calls it again when it waits for something.
    virtual void processEvents() = 0;

    // The window system: the window gets a new size; it is exposed again
    // (all of it); it gains or loses the keyboard focus; its native window
    // is destroyed (the object stays until the suite deletes it).
    virtual void resize(DrawArea& drawArea, int width, int height) = 0;
    virtual void expose(DrawArea& drawArea) = 0;
    virtual void focusIn(DrawArea& drawArea) = 0;
    virtual void focusOut(DrawArea& drawArea) = 0;
    virtual void destroyWindow(DrawArea& drawArea) = 0;

    // The user, with `modifiers` held: mouse buttons (MouseButton_1 to 3),
    // moves (with whatever buttons are down), the wheel (120 per notch,
    // positive away from the user, vertical), and keys. A key is named by
    // the character it types (32..126, as typed, so 'A' comes with Shift)
    // or 27 for Escape.
    virtual void pressButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) = 0;
    virtual void releaseButton(DrawArea& drawArea, MouseButton button, int x, int y, int modifiers) = 0;
    virtual void moveMouse(DrawArea& drawArea, int x, int y, int modifiers) = 0;
    virtual void turnWheel(DrawArea& drawArea, int x, int y, int delta) = 0;
    virtual void pressKey(DrawArea& drawArea, int key, int modifiers) = 0;
    virtual void releaseKey(DrawArea& drawArea, int key, int modifiers) = 0;

    // Device pixels per logical pixel of the window, as the toolkit has it
    // (1 for a toolkit without the notion).
    virtual double pixelRatio(DrawArea& drawArea) = 0;

    // Optional: an OpenGL function of the context current now (the suite
    // draws with glClearColor, glClear, glScissor, glEnable, glDisable and
    // glFinish), null when none can be given. Without it the checks of
    // pixels are skipped, saying so.
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
