// Export macro of the Qt host kit: classes marked with it are visible to
// applications; everything else stays hidden.
#ifndef OVSDKQTHOST_EXPORT_H
#define OVSDKQTHOST_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSDKQTHOST_BUILDING)
#    define OVSDKQTHOST_EXPORT __declspec(dllexport)
#  else
#    define OVSDKQTHOST_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSDKQTHOST_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVSDKQTHOST_EXPORT_H
