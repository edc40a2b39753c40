#include "integration/intern/DiagnosticReporter.h"

#include <array>
#include <thread>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

struct KindInfo
{
    const char* identifier;
    Diagnostics::Severity_e severity;
};

const std::array<KindInfo, DiagnosticReporter::Kind_Count> Kinds = {{
    {"init.no-misc-service", Diagnostics::Severity_Warning},
    {"input.not-current-page", Diagnostics::Severity_Warning},
    {"damage.not-current-page", Diagnostics::Severity_Warning},
    {"render.no-draw-area", Diagnostics::Severity_Warning},
    {"render.make-current-failed", Diagnostics::Severity_Error},
    {"thread.not-init-thread", Diagnostics::Severity_Error},
    {"engine.stale-page-handle", Diagnostics::Severity_Error},
    {"request.waits", Diagnostics::Severity_Warning},
    {"request.ignored", Diagnostics::Severity_Warning},
    {"argument.null", Diagnostics::Severity_Error},
    {"engine.stale-monitor", Diagnostics::Severity_Error},
}};

// Written only by setHandler(), which the host orders before every report
// made on another thread (Diagnostics.h): reports only read it, so none
// needs a lock. Empty: the default, which drops every report.
Diagnostics::Handler s_handler;

std::atomic<std::thread::id> s_initThread{std::thread::id()};

} // namespace

std::atomic<unsigned char> DiagnosticReporter::s_watch{0};

void DiagnosticReporter::report(Kind_e kind, const std::string& message)
{
    if (s_handler.empty())
        return;
    // A copy: the handler may install another one, which destroys this one.
    const Diagnostics::Handler handler = s_handler;
    const KindInfo& info = Kinds[kind];
    handler(info.severity, info.identifier, message);
}

Diagnostics::Handler DiagnosticReporter::setHandler(const Diagnostics::Handler& handler)
{
    Diagnostics::Handler previous = s_handler;
    Diagnostics::Handler next = handler; // what may throw, before anything changes
    s_handler.swap(next);
    return previous;
}

void DiagnosticReporter::recordInitThread() { s_initThread.store(std::this_thread::get_id()); }

void DiagnosticReporter::checkThread(const char* entryPoint)
{
    const std::thread::id initThread = s_initThread.load(std::memory_order_relaxed);
    if (initThread == std::thread::id() || initThread == std::this_thread::get_id())
        return;
    report(Kind_WrongThread, std::string(entryPoint) +
                                 " was called from another thread than the one that called init(); every call into "
                                 "the library must be made on the host's GUI thread.");
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
