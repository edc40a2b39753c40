#include "ovsdkheadlesshost/HeadlessDisplay.h"

#include "ovexception/ExceptionBase.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace orvane {
namespace sdk {
namespace headlesshost {

namespace {

bool hasExtension(EGLDisplay display, const char* name)
{
    const char* const extensions = eglQueryString(display, EGL_EXTENSIONS);
    if (extensions == nullptr)
        return false;
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at != nullptr; at = std::strstr(at + length, name))
        if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

template <typename Function>
Function eglFunction(const char* name)
{
    return reinterpret_cast<Function>(eglGetProcAddress(name));
}

std::string eglErrorText()
{
    char text[32];
    std::snprintf(text, sizeof text, "EGL error 0x%04x", unsigned(eglGetError()));
    return text;
}

// The display of one platform, initialised and able to make surfaceless
// desktop OpenGL contexts; EGL_NO_DISPLAY with the reason in `why` otherwise.
EGLDisplay openDisplay(EGLenum platform, void* nativeDisplay, std::string& why)
{
    const auto getPlatformDisplay = eglFunction<PFNEGLGETPLATFORMDISPLAYEXTPROC>("eglGetPlatformDisplayEXT");
    EGLDisplay display = getPlatformDisplay(platform, nativeDisplay, nullptr);
    if (display == EGL_NO_DISPLAY || eglInitialize(display, nullptr, nullptr) != EGL_TRUE)
    {
        why = "the driver gives no display (" + eglErrorText() + ")";
        return EGL_NO_DISPLAY;
    }
    if (!hasExtension(display, "EGL_KHR_surfaceless_context"))
        why = "the display lacks EGL_KHR_surfaceless_context";
    else if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE)
        why = "the display has no desktop OpenGL (only OpenGL ES)";
    else
        return display;
    eglTerminate(display);
    return EGL_NO_DISPLAY;
}

} // namespace

HeadlessDisplay::HeadlessDisplay() : m_display(EGL_NO_DISPLAY), m_config(nullptr)
{
    std::string tried;
    if (!hasExtension(EGL_NO_DISPLAY, "EGL_EXT_platform_base"))
        throw ExceptionBase("No usable EGL: the EGL library lacks EGL_EXT_platform_base (install Mesa's libegl-mesa0).");
    std::string why;
    if (hasExtension(EGL_NO_DISPLAY, "EGL_MESA_platform_surfaceless"))
    {
        m_display = openDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, why);
        m_platformName = "surfaceless";
        tried += "surfaceless platform: " + why;
    }
    else
        tried += "surfaceless platform: EGL_MESA_platform_surfaceless is missing";
    if (m_display == EGL_NO_DISPLAY && hasExtension(EGL_NO_DISPLAY, "EGL_EXT_platform_device"))
    {
        const auto queryDevices = eglFunction<PFNEGLQUERYDEVICESEXTPROC>("eglQueryDevicesEXT");
        EGLint count = 0;
        std::vector<EGLDeviceEXT> devices(16);
        if (queryDevices != nullptr && queryDevices(EGLint(devices.size()), devices.data(), &count) && count > 0)
            for (EGLint device = 0; device < count && m_display == EGL_NO_DISPLAY; ++device)
                m_display = openDisplay(EGL_PLATFORM_DEVICE_EXT, devices[std::size_t(device)], why);
        else
            why = "no EGL device";
        m_platformName = "device";
        tried += "; device platform: " + why;
    }
    else if (m_display == EGL_NO_DISPLAY)
        tried += "; device platform: EGL_EXT_platform_device is missing";
    if (m_display == EGL_NO_DISPLAY)
        throw ExceptionBase("No usable EGL display for OpenGL without a window system (" + tried +
                            "). Install Mesa's EGL and OpenGL drivers (libegl-mesa0, libgl1-mesa-dri).");

    const EGLint attributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8,
                                 EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint found = 0;
    // Without a config, a context needs EGL_KHR_no_config_context; EGL
    // refuses it at createContext() otherwise, which names the problem.
    if (eglChooseConfig(m_display, attributes, &config, 1, &found) == EGL_TRUE && found > 0)
        m_config = config;
}

// The display stays initialised: EGL has one display per platform and
// device in a process, which every HeadlessDisplay of the process shares,
// and terminating it would take the contexts of the others with it.
HeadlessDisplay::~HeadlessDisplay()
{
    if (currentContext() != nullptr)
        makeCurrent(nullptr);
}

const std::string& HeadlessDisplay::platformName() const { return m_platformName; }

HeadlessDisplay::Context HeadlessDisplay::createContext()
{
    eglBindAPI(EGL_OPENGL_API);
    const EGLContext context = eglCreateContext(m_display, m_config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT)
        throw ExceptionBase("EGL made no OpenGL context on the " + m_platformName + " platform (" + eglErrorText() +
                            ").");
    return context;
}

void HeadlessDisplay::destroyContext(Context context)
{
    if (currentContext() == context)
        makeCurrent(nullptr);
    eglDestroyContext(m_display, context);
}

bool HeadlessDisplay::makeCurrent(Context context)
{
    return eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE,
                          context != nullptr ? static_cast<EGLContext>(context) : EGL_NO_CONTEXT) == EGL_TRUE;
}

HeadlessDisplay::Context HeadlessDisplay::currentContext() const
{
    return eglGetCurrentDisplay() == m_display ? eglGetCurrentContext() : nullptr;
}

std::string HeadlessDisplay::openGLVersion()
{
    if (!m_openGLVersion.empty())
        return m_openGLVersion;
    const Context previous = currentContext();
    const Context probe = previous != nullptr ? previous : createContext();
    makeCurrent(probe);
    const auto getString = reinterpret_cast<const unsigned char* (*)(unsigned int)>(procAddress("glGetString"));
    const unsigned char* const version = getString != nullptr ? getString(0x1F02 /* GL_VERSION */) : nullptr;
    m_openGLVersion = version != nullptr ? reinterpret_cast<const char*>(version) : "";
    if (probe != previous)
        destroyContext(probe);
    return m_openGLVersion;
}

void* HeadlessDisplay::procAddress(const char* name) { return reinterpret_cast<void*>(eglGetProcAddress(name)); }

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
