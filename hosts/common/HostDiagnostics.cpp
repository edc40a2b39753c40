#include "HostDiagnostics.h"

#include "integration/Diagnostics.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace orvane {
namespace sdk {
namespace hostcommon {

using integration::Diagnostics;

namespace {

// Prints the first report of each identifier. Reports may come from any
// thread: the memory and the printing are under a lock.
class FirstReportPrinter
{
public:
    void operator()(Diagnostics::Severity_e severity, const std::string& identifier, const std::string& message)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_printed.insert(identifier).second)
            return;
        std::fprintf(stderr, "orvane: %s [%s]: %s\n", severity == Diagnostics::Severity_Error ? "error" : "warning",
                     identifier.c_str(), message.c_str());
    }

private:
    std::mutex m_mutex;
    std::set<std::string> m_printed;
};

} // namespace

void setUpHostDiagnostics()
{
    const char* checked = std::getenv("ORVANE_CHECKED");
    if (checked != nullptr && (std::strcmp(checked, "1") == 0 || std::strcmp(checked, "0") == 0))
        Diagnostics::setCheckedMode(checked[0] == '1');

    // The library tells the handler in place only by replacing it: an
    // application's own goes back at once.
    const std::shared_ptr<FirstReportPrinter> printer = std::make_shared<FirstReportPrinter>();
    const Diagnostics::Handler previous = Diagnostics::setHandler(
        [printer](Diagnostics::Severity_e severity, const std::string& identifier, const std::string& message) {
            (*printer)(severity, identifier, message);
        });
    if (!previous.empty())
        Diagnostics::setHandler(previous);
}

} // namespace hostcommon
} // namespace sdk
} // namespace orvane
