#ifndef OVSDKCOMMON_APPLOCK_H
#define OVSDKCOMMON_APPLOCK_H

#include "ovsdkcommon/Export.h"

namespace orvane {
namespace sdk {

// Holds the engine's application lock for its lifetime: the constructor calls
// OrvUtilAppLockStart(value), the destructor OrvUtilAppLockFinish(). Use it as
// a local object bracketing the engine calls that need the lock.
class OVSDKCOMMON_EXPORT AppLock
{
public:
    // Passed through to the engine unchanged.
    enum ImplicitMacroRecording
    {
        ImplicitMacroRecording_Off = 0,
        ImplicitMacroRecording_On = 1
    };

    explicit AppLock(ImplicitMacroRecording implicitMacroRecording);
    ~AppLock();
    AppLock(const AppLock&) = delete;
    AppLock& operator=(const AppLock&) = delete;
};

} // namespace sdk
} // namespace orvane

#endif // OVSDKCOMMON_APPLOCK_H
