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
        Kind_StalePageHandle,
        Kind_RequestWaits,
        Kind_RequestIgnored,
        Kind_NullArgument,
        Kind_StaleMonitor,
        Kind_Count
    };

    DiagnosticReporter() = delete;

    // Hands the report of `kind` with `message` to the handler.
    static void report(Kind_e kind, const std::string& message);

    static bool isCheckedMode() { return (s_watch.load(std::memory_order_relaxed) & Watch_Checked) != 0; }
    static void setCheckedMode(bool checked) { setWatch(Watch_Checked, checked); }
    // Whether a trace records (the trace recorder switches it).
    static bool isTracing() { return (s_watch.load(std::memory_order_relaxed) & Watch_Tracing) != 0; }
    static void setTracing(bool tracing) { setWatch(Watch_Tracing, tracing); }
    // Whether checked mode or a trace watches the boundary: the one load
    // the hot callbacks make before they take their watched path.
    static bool isWatched() { return s_watch.load(std::memory_order_relaxed) != 0; }
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
    enum Watch_e
    {
        Watch_Checked = 1,
        Watch_Tracing = 2
    };
    static void setWatch(unsigned char bit, bool on)
    {
        if (on)
            s_watch.fetch_or(bit, std::memory_order_relaxed);
        else
            s_watch.fetch_and(static_cast<unsigned char>(~bit), std::memory_order_relaxed);
    }

    static std::atomic<unsigned char> s_watch;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_DIAGNOSTICREPORTER_H
