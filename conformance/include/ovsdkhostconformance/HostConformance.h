#ifndef OVSDKHOSTCONFORMANCE_HOSTCONFORMANCE_H
#define OVSDKHOSTCONFORMANCE_HOSTCONFORMANCE_H

#include "ovsdkhostconformance/HostFactory.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

// The host conformance suite: GoogleTest tests of a host's side of the
// integration manager's contracts, registered from the host's own test
// program.
//
// @code
//   #include "ovsdkhostconformance/HostConformance.h"
//
//   int main(int argc, char** argv)
//   {
//       QApplication application(argc, argv);   // whatever the toolkit needs first
//       ::testing::InitGoogleTest(&argc, argv);
//       MyHostFactory factory;                 // a HostFactory of the host
//       orvane::sdk::hostconformance::HostConformance::registerTests(factory);
//       return RUN_ALL_TESTS();
//   }
// @endcode
//
// and link the program with OrvaneSDK::ovsdkhostconformance (it brings
// GoogleTest, without a main). The suite starts the engine itself: give it a
// test program of its own. Tests are named `HostConformance.<check>`; every
// failure names the host class, what the library expected of it and what to
// change. Checks that need real pixels are skipped, saying so, when the
// driver gives none.
//
// What is checked:
// - Frames: the suite draws as the engine does, with OpenGL 1.x immediate
//   mode calls, and fails a context that cannot run them (a core profile,
//   OpenGL ES), naming it. The page of a drawing area redrawn by the engine
//   (makeCurrent, drawing, releaseCurrent, then the swap with no context
//   current) shows on the screen, at once or at the toolkit's next paint, in its own window only, at getSize()
//   (also after a resize); makeCurrent and
//   releaseCurrent answer true; a frame drawn but not swapped stays off the
//   screen; an expose gets the page redrawn at idle time; each drawing area
//   has its own context, always the same.
// - Size: getSize() in device pixels, also after a resize, which is followed
//   by an expose with full damage; the miscellaneous service's device pixel
//   ratio is the window's.
// - State: expose, focus in (again after a focus out, and not on a focus out;
//   first after a focus out where the driver says so)
//   and destruction (once, after which isValid() and canRender() are false)
//   reach the state listeners with the drawing area, then the signals.
// - Input: presses, releases and moves with their buttons, positions and
//   modifiers reach the mouse listeners with the drawing area as source,
//   then its signals; the wheel its wheel signal; keys (printable and
//   Escape) the key listeners with their codes and modifiers. The monitor
//   hears the same input application-wide (and the button changes), and
//   the miscellaneous service knows which buttons are down.
// - Keys: the miscellaneous service's translateKeyCode keeps 32..127 and 27,
//   and answers a code it gives with that code again.
// - Monitor: isReady(); idle time is reported, and with it drawing-area input
//   reaches the engine; processPendingEvents() delivers queued input,
//   survives a throwing listener, can be re-entered from inside, and the
//   idle time after it tells that the engine is no longer busy.
// - Offscreen images: an image made by the service renders, its context
//   makes current and releases, and getRGBRow gives every row, top row
//   first, with what was drawn.
class HostConformance
{
public:
    // Registers the suite's tests with GoogleTest for the host `factory`
    // makes. Call it once, after `testing::InitGoogleTest` and before
    // `RUN_ALL_TESTS`; `factory` must live until RUN_ALL_TESTS returns.
    static void registerTests(HostFactory& factory);
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_HOSTCONFORMANCE_H
