#ifndef ORVANE_INTEGRATION_SERVICES_INTERN_ENGINETEXT_H
#define ORVANE_INTEGRATION_SERVICES_INTERN_ENGINETEXT_H

#include <string>

namespace orvane {
namespace sdk {
namespace integration {
namespace services {
namespace intern {

// A copy of `text`, terminating zero included, in memory the engine owns and
// later releases itself; `label` names the allocation in the engine's
// bookkeeping. Null when the engine cannot allocate it.
char* toEngineText(const std::string& text, const char* label);

} // namespace intern
} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_INTERN_ENGINETEXT_H
