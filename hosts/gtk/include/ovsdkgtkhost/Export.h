// Export macro of the GTK 4 host kit: classes marked with it are visible to
// applications; everything else stays hidden.
#ifndef OVSDKGTKHOST_EXPORT_H
#define OVSDKGTKHOST_EXPORT_H

#if defined(_WIN32)
#  if defined(OVSDKGTKHOST_BUILDING)
#    define OVSDKGTKHOST_EXPORT __declspec(dllexport)
#  else
#    define OVSDKGTKHOST_EXPORT __declspec(dllimport)
#  endif
#else
#  define OVSDKGTKHOST_EXPORT __attribute__((visibility("default")))
#endif

#endif // OVSDKGTKHOST_EXPORT_H
