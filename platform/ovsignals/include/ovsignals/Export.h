// Export macro of the ovsignals library: classes marked with it are visible
// outside the library; everything else stays hidden.
#ifndef OVSIGNALS_EXPORT_H
#define OVSIGNALS_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSIGNALS_BUILDING)
#    define OVSIGNALS_EXPORT __declspec(dllexport)
#  else
#    define OVSIGNALS_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSIGNALS_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVSIGNALS_EXPORT_H
