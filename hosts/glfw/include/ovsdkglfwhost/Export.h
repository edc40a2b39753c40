// Export macro of the GLFW host kit: classes marked with it are visible to
// applications; everything else stays hidden.
#ifndef OVSDKGLFWHOST_EXPORT_H
#define OVSDKGLFWHOST_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSDKGLFWHOST_BUILDING)
#    define OVSDKGLFWHOST_EXPORT __declspec(dllexport)
#  else
#    define OVSDKGLFWHOST_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSDKGLFWHOST_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVSDKGLFWHOST_EXPORT_H
