// The replay host: the host objects a library needs (manager, monitor,
// drawing areas with their contexts, a drawing-area factory, the nine
// services), answering the library's calls from the recording, and the
// host's part of a session: where the recording shows the host acting, it
// makes the same requests, reports the same input and idle time, makes a
// new manager, services current and dialog launchers registered, and lets
// the engine fire what the engine started by itself. A host call recorded
// without the result it returns threw: the replay host throws there.
//
// Leaves out: what host code did inside listeners other than requests and
// the queries recorded as engine calls (the busy state, the current page);
// exceptions of listeners and of calls that return nothing (the recording
// has none); keyboard modifiers of input (none). Drawing only where the session has
// a RealDrawing: each drawing area's context is then backed by its one.
#ifndef ORVANE_TOOLS_REPLAY_REPLAYHOST_H
#define ORVANE_TOOLS_REPLAY_REPLAYHOST_H

#include "ReplaySession.h"

#include <memory>

namespace orvane {
namespace replay {

class ReplayHost
{
public:
    explicit ReplayHost(ReplaySession& session);
    ~ReplayHost();
    ReplayHost(const ReplayHost&) = delete;
    ReplayHost& operator=(const ReplayHost&) = delete;

    // Plays the whole recording from the top; an exception of the library
    // passes on.
    void run();

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_REPLAYHOST_H
