#include "integration/Diagnostics.h"

#include "integration/intern/DiagnosticReporter.h"

namespace orvane {
namespace sdk {
namespace integration {

Diagnostics::Handler Diagnostics::setHandler(const Handler& handler)
{
    return intern::DiagnosticReporter::setHandler(handler);
}

void Diagnostics::setCheckedMode(bool checked) { intern::DiagnosticReporter::setCheckedMode(checked); }

bool Diagnostics::isCheckedMode() { return intern::DiagnosticReporter::isCheckedMode(); }

} // namespace integration
} // namespace sdk
} // namespace orvane
