#ifndef ORVANE_INTEGRATION_INTERN_DIAGNOSTICREPORTER_H
#define ORVANE_INTEGRATION_INTERN_DIAGNOSTICREPORTER_H

#include "integration/Diagnostics.h"

#include <atomic>
#include <string>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The library's side of the diagnostics channel: the kinds it reports, each
// with its identifier and severity, the handler that receives them, checked
// mode and the thread that called init(). Reporting is never on a hot path;
// asking for checked mode costs one load.
class DiagnosticReporter
{
public:
    enum Kind_e
    {
        Kind_InitNoMiscService,
        Kind_InputNotCurrentPage,
        Kind_DamageNotCurrentPage,
        Kind_RenderNoDrawArea,
        Kind_RenderMakeCurrentFailed,
        Kind_WrongThread,
        Kind_StopWhileBusy,
        Kind_StopInAnnouncement,
        Kind_StalePageHandle,
        Kind_RequestDropped,
        Kind_RequestIgnored,
        Kind_Count
    };

    DiagnosticReporter() = delete;

    // Hands the report of `kind` with `message` to the handler.
    static void report(Kind_e kind, const std::string& message);

    static bool isCheckedMode() { return s_checkedMode.load(std::memory_order_relaxed); }
    static void setCheckedMode(bool checked) { s_checkedMode.store(checked, std::memory_order_relaxed); }
    static Diagnostics::Handler setHandler(const Diagnostics::Handler& handler);

    // The calling thread is the library's from now on.
    static void recordInitThread();
    // Reports `entryPoint` called from another thread than init()'s.
    static void checkThread(const char* entryPoint);
    // The same, in checked mode only.
    static void checkThreadIfChecked(const char* entryPoint)
    {
        if (isCheckedMode())
            checkThread(entryPoint);
    }

private:
    static std::atomic<bool> s_checkedMode;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_DIAGNOSTICREPORTER_H
