// Export macro of the ovsdkuicommon library: classes marked with it are visible
// outside the library; everything else stays hidden.
#ifndef OVSDKUICOMMON_EXPORT_H
#define OVSDKUICOMMON_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSDKUICOMMON_BUILDING)
#    define OVSDKUICOMMON_EXPORT __declspec(dllexport)
#  else
#    define OVSDKUICOMMON_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSDKUICOMMON_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVSDKUICOMMON_EXPORT_H
