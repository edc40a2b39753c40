// Export macro of the ovtoolbox library: classes marked with it are visible
// outside the library; everything else stays hidden.
#ifndef OVTOOLBOX_EXPORT_H
#define OVTOOLBOX_EXPORT_H

#if defined(_WIN32)
#  if defined(OVTOOLBOX_BUILDING)
#    define OVTOOLBOX_EXPORT __declspec(dllexport)
#  else
#    define OVTOOLBOX_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVTOOLBOX_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVTOOLBOX_EXPORT_H
