#ifndef ORVANE_TESTS_SUPPORT_FRESHENGINE_H
#define ORVANE_TESTS_SUPPORT_FRESHENGINE_H

#include "ovsdkbase/SimulatedEngine.h"

#include <cstdlib>
#include <cstring>

namespace orvane {
namespace test {

// A freshly loaded simulated engine. With ORVANE_TEST_MINIMAL_ENGINE=1 (the
// second run of the page, lifecycle and render tests), it calls back only
// where it must: page callbacks that host calls cause come later, when
// the test delivers them (sim::deliverPendingCallbacks).
inline void freshEngine()
{
    sim::reset();
    const char* minimal = std::getenv("ORVANE_TEST_MINIMAL_ENGINE");
    sim::setMinimalCallbacks(minimal != nullptr && std::strcmp(minimal, "1") == 0);
}

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FRESHENGINE_H
