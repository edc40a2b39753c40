// Export macro of the integration manager library: classes marked with it
// are visible to hosts; everything else stays hidden.
#ifndef ORVANE_UTIL_EXPORT_H
#define ORVANE_UTIL_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSDKINTEGRATIONMANAGER_BUILDING)
#    define OVSDK_INTEGRATION_EXPORT __declspec(dllexport)
#  else
#    define OVSDK_INTEGRATION_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSDK_INTEGRATION_EXPORT __attribute__((visibility("default")))
#endif

#endif // ORVANE_UTIL_EXPORT_H
