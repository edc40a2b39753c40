// Export macro of the headless host kit: classes marked with it are visible to
// applications; everything else stays hidden.
#ifndef OVSDKHEADLESSHOST_EXPORT_H
#define OVSDKHEADLESSHOST_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSDKHEADLESSHOST_BUILDING)
#    define OVSDKHEADLESSHOST_EXPORT __declspec(dllexport)
#  else
#    define OVSDKHEADLESSHOST_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSDKHEADLESSHOST_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVSDKHEADLESSHOST_EXPORT_H
