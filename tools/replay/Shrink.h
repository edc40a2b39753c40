// Delta debugging over a recording's host requests and input: the shortest
// recording found that still fails the same way.
#ifndef ORVANE_TOOLS_REPLAY_SHRINK_H
#define ORVANE_TOOLS_REPLAY_SHRINK_H

#include <string>

namespace orvane {
namespace replay {

// `text`, a recording whose replay fails with `signature`, with as many of
// its top-level requests and input spans left out as can be while the
// replay still fails with `signature`. Each candidate is replayed.
std::string shrink(const std::string& text, const std::string& signature);

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_SHRINK_H
