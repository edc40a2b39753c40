#include "integration/Diagnostics.h"

#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/boundary/TraceEvents.h"

namespace orvane {
namespace sdk {
namespace integration {

Diagnostics::Handler Diagnostics::setHandler(const Handler& handler)
{
    return intern::DiagnosticReporter::setHandler(handler);
}

void Diagnostics::setCheckedMode(bool checked)
{
    const intern::HostReportScope report("setCheckedMode", "checked", checked);
    intern::DiagnosticReporter::setCheckedMode(checked);
}

bool Diagnostics::isCheckedMode() { return intern::DiagnosticReporter::isCheckedMode(); }

} // namespace integration
} // namespace sdk
} // namespace orvane
