// Export macro of the ovsdkcommon library: classes marked with it are visible
// outside the library; everything else stays hidden.
#ifndef OVSDKCOMMON_EXPORT_H
#define OVSDKCOMMON_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSDKCOMMON_BUILDING)
#    define OVSDKCOMMON_EXPORT __declspec(dllexport)
#  else
#    define OVSDKCOMMON_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSDKCOMMON_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVSDKCOMMON_EXPORT_H
