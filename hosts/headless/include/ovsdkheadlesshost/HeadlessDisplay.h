#ifndef OVSDKHEADLESSHOST_HEADLESSDISPLAY_H
#define OVSDKHEADLESSHOST_HEADLESSDISPLAY_H

#include "ovsdkheadlesshost/Export.h"

#include <string>

namespace orvane {
namespace sdk {
namespace headlesshost {

// The EGL display every OpenGL context of a headless application lives on.
//
// Implements: one EGL display with no window system: Mesa's surfaceless
// platform first; where that is missing, the first EGL device that
// initialises (the device platform, which also covers render nodes and
// Mesa's software device). Contexts are desktop OpenGL compatibility
// contexts (the engine draws with OpenGL 1.x calls), made current without
// a surface (EGL_KHR_surfaceless_context): everything is drawn into
// framebuffer objects. OpenGL functions are resolved through
// eglGetProcAddress, so that the application links neither GLX nor X11.
// Leaves out: window surfaces, pbuffers, GBM buffers and OpenGL ES.
// Leaves to the application: making one, before any drawing area or
// offscreen image, and deleting it after the last. Displays made one after
// another, or side by side, share EGL's display, which stays initialised
// until the process ends (EGL has one per platform and device).
//
// Thread safety: everything here runs on the application's GUI thread.
class OVSDKHEADLESSHOST_EXPORT HeadlessDisplay
{
public:
    // An EGL context, as EGL's own handle.
    typedef void* Context;

    // Opens the display.
    //
    // @thread_safety GUI thread only.
    // @errors orvane::ExceptionBase when no platform gives one that can make
    // an OpenGL context, naming for each platform tried what was missing (an
    // extension, a device, the driver).
    HeadlessDisplay();
    ~HeadlessDisplay();
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;

    // "surfaceless" or "device".
    const std::string& platformName() const;

    // A new OpenGL context of its own (sharing nothing).
    //
    // @thread_safety GUI thread only.
    // @errors orvane::ExceptionBase when EGL makes none.
    Context createContext();
    // Destroys `context`, making no context current first if it was.
    //
    // @thread_safety GUI thread only.
    // @errors None.
    void destroyContext(Context context);
    // Makes `context` current with no surface (null: none current); true on
    // success.
    //
    // @thread_safety GUI thread only.
    // @errors False when EGL refuses.
    bool makeCurrent(Context context);
    // The context current on this thread, null when none (or one of
    // another display) is.
    Context currentContext() const;

    // The OpenGL version text of a context of this display, such as
    // "4.5 (Compatibility Profile) Mesa 22.3.6" (asked once; empty when the
    // driver does not say).
    //
    // @thread_safety GUI thread only.
    // @errors orvane::ExceptionBase when the question needs a context and EGL
    // makes none.
    std::string openGLVersion();

    // An OpenGL (or EGL) function by name, null when unknown. Handed to an
    // engine that draws with OpenGL.
    static void* procAddress(const char* name);

private:
    void* m_display;
    void* m_config;
    std::string m_platformName;
    std::string m_openGLVersion;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSDISPLAY_H
