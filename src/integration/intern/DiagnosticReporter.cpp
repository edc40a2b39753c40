#include "integration/intern/DiagnosticReporter.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
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
    {"reentry.stop-while-busy", Diagnostics::Severity_Error},
    {"engine.stale-page-handle", Diagnostics::Severity_Error},
    {"request.dropped", Diagnostics::Severity_Warning},
}};

bool checkedModeAtLoad()
{
    const char* setting = std::getenv("ORVANE_CHECKED");
    if (setting != nullptr && (std::strcmp(setting, "1") == 0 || std::strcmp(setting, "0") == 0))
        return setting[0] == '1';
#ifdef NDEBUG
    return false;
#else
    return true;
#endif
}

// The default handler's memory and the handler, under one lock: reports
// may come from any thread.
struct Channel
{
    std::mutex mutex;
    Diagnostics::Handler handler;
    std::array<bool, DiagnosticReporter::Kind_Count> printed{};
};

Channel& channel()
{
    static Channel instance;
    return instance;
}

std::atomic<std::thread::id> s_initThread{std::thread::id()};

} // namespace

std::atomic<bool> DiagnosticReporter::s_checkedMode{checkedModeAtLoad()};

void DiagnosticReporter::report(Kind_e kind, const std::string& message)
{
    const KindInfo& info = Kinds[kind];
    Diagnostics::Handler handler;
    {
        Channel& state = channel();
        const std::lock_guard<std::mutex> lock(state.mutex);
        handler = state.handler;
        if (!handler)
        {
            if (state.printed[kind])
                return;
            state.printed[kind] = true;
            std::fprintf(stderr, "orvane: %s [%s]: %s\n",
                         info.severity == Diagnostics::Severity_Error ? "error" : "warning", info.identifier,
                         message.c_str());
            return;
        }
    }
    // Outside the lock: the handler may set another one.
    handler(info.severity, info.identifier, message);
}

Diagnostics::Handler DiagnosticReporter::setHandler(const Diagnostics::Handler& handler)
{
    Channel& state = channel();
    const std::lock_guard<std::mutex> lock(state.mutex);
    Diagnostics::Handler previous = state.handler;
    state.handler = handler;
    if (!handler)
        state.printed.fill(false);
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
