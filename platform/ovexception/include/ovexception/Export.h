// Export macro of the ovexception library: classes marked with it are visible
// outside the library; everything else stays hidden.
#ifndef OVEXCEPTION_EXPORT_H
#define OVEXCEPTION_EXPORT_H

#if defined(_WIN32)
#  if defined(OVEXCEPTION_BUILDING)
#    define OVEXCEPTION_EXPORT __declspec(dllexport)
#  else
#    define OVEXCEPTION_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVEXCEPTION_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVEXCEPTION_EXPORT_H
