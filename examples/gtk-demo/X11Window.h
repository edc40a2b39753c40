// What GTK 4 leaves to the window system, done with Xlib for the demo and
// the kit's tests on X11: placing a window (GTK 4 has no call for it; with
// no window manager every window would open at the top left corner) and
// reading what the screen shows of a drawing area.
#ifndef GTK_DEMO_X11WINDOW_H
#define GTK_DEMO_X11WINDOW_H

#include <vector>

typedef struct _GtkWindow GtkWindow;

namespace orvane {
namespace sdk {
namespace gtkhost {
class GtkGLDrawArea;
} // namespace gtkhost
} // namespace sdk
} // namespace orvane

namespace X11Window {

// Realizes `window` and moves it to (x, y) on the screen (logical pixels);
// false when it is no X11 window.
bool place(GtkWindow* window, int x, int y);
// What the screen shows of the drawing area, `width` x `height` device
// pixels, RGB, top row first; false when it cannot be read.
bool grab(orvane::sdk::gtkhost::GtkGLDrawArea& drawArea, int& width, int& height, std::vector<unsigned char>& rgb);

} // namespace X11Window

#endif // GTK_DEMO_X11WINDOW_H
