#include "EngineState.h"

namespace orvane {
namespace sim {
namespace detail {

EngineState& engine()
{
    static EngineState* const state = new EngineState;
    return *state;
}

void recordMisuse(const std::string& what) { engine().misuses.push_back(what); }

} // namespace detail
} // namespace sim
} // namespace orvane
