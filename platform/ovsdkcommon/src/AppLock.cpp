#include "ovsdkcommon/AppLock.h"

#include "ovsdkbase.h"

namespace orvane {
namespace sdk {

AppLock::AppLock(ImplicitMacroRecording implicitMacroRecording)
{
    OrvUtilAppLockStart(static_cast<Boolean_t>(implicitMacroRecording));
}

AppLock::~AppLock() { OrvUtilAppLockFinish(); }

} // namespace sdk
} // namespace orvane
