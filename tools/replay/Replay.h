// One replay of a recording: the library driven by the replay host and
// engine, each of its crossings compared with the recorded one as it is made.
#ifndef ORVANE_TOOLS_REPLAY_REPLAY_H
#define ORVANE_TOOLS_REPLAY_REPLAY_H

#include "Recording.h"
#include "RealDrawing.h"

#include <cstddef>
#include <string>

namespace orvane {
namespace replay {

struct Outcome
{
    // Crossings that matched the recording before the first divergence.
    std::size_t crossings = 0;
    bool diverged = false;
    // The first divergence: the recorded and the replayed span, and the
    // spans open around it; empty without one.
    std::string report;
    // What failed, in a line that does not depend on the run (no numbers of
    // position): two replays fail "the same way" when these are equal.
    std::string signature;
};

// With `drawing`, the frames are drawn for real there as well.
// Errors: none of its own; an exception of the library is a divergence.
Outcome replay(const Recording& recording, RealDrawing* drawing = nullptr);

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_REPLAY_H
