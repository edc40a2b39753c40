// How the GTK kit gets OpenGL contexts the engine can draw with.
//
// The engine draws with OpenGL 1.x (immediate mode, the fixed-function
// pipeline). GTK 4 makes every OpenGL context of a process share with one
// context of the display, and on desktop OpenGL that one has a core profile
// (3.2 or later), which has none of those calls: the engine's plots stay
// blank and nothing reports an error. GTK 4.8 has no per-context choice of
// profile (gdk_gl_context_set_required_version only raises the version,
// set_allowed_apis only picks OpenGL or OpenGL ES, and ES has no immediate
// mode either); the one way is the GDK debug flag "gl-legacy", which must be
// in the environment variable GDK_DEBUG when GTK starts.
//
// What it costs: the setting is process-wide. Every OpenGL context GTK
// makes, its own renderer's included, is then a compatibility-profile
// context (OpenGL 3.0 asked for; Mesa gives its full compatibility
// version). Other OpenGL code of the application that needs a core profile
// (features of 3.2 and later only a core context has on some drivers, such
// as macOS's) does not get it; GTK's own renderer works on either.
//
// Implements: requestBeforeGtkInit() makes the setting; problem() tells
// whether GTK's contexts can run the engine's drawing, and why not. The
// kit's drawing areas, offscreen images and monitor ask problem() and
// refuse with its text.
// Leaves to the application: calling requestBeforeGtkInit() first thing in
// main(), before gtk_init() or g_application_run().
#ifndef OVSDKGTKHOST_GTKLEGACYGL_H
#define OVSDKGTKHOST_GTKLEGACYGL_H

#include "ovsdkgtkhost/Export.h"

#include <string>

namespace orvane {
namespace sdk {
namespace gtkhost {

// The OpenGL 1.x context the engine draws with, as GTK 4 gives it: asked
// for before GTK starts, checked once.
class OVSDKGTKHOST_EXPORT GtkLegacyGL
{
public:
    // Adds "gl-legacy" to the environment variable GDK_DEBUG, keeping the
    // flags it has.
    //
    // @thread_safety Main thread, before any other thread runs (it changes
    // the environment).
    // @errors orvane::ExceptionBase when GTK has already been initialised
    // (the setting would come too late).
    static void requestBeforeGtkInit();
    // Empty when the OpenGL contexts of GTK's default display can run the
    // engine's OpenGL 1.x drawing; otherwise what is wrong and what to do.
    // The answer, from a context made for the question, is kept for the
    // process.
    //
    // @thread_safety GUI thread only; not checked.
    static std::string problem();
    // An OpenGL function of the context current now (GDK's, through EGL or
    // GLX); null when none is current or the function is unknown.
    //
    // @thread_safety Any thread with a current context.
    static void* procAddress(const char* name);
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKLEGACYGL_H
