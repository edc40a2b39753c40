// The replay's walk through a recording: one cursor over the recorded spans,
// moved by every crossing the library makes again. The replay engine answers
// an engine call with the recorded span found at the cursor and fires the
// callbacks recorded inside it; the replay host answers its calls the same
// way, and acts where the recording shows the host acting (requests, input,
// reports to its monitor). Answers come from the recording alone: no clock,
// no address reaches the comparison (handles travel as their recorded numbers).
#ifndef ORVANE_TOOLS_REPLAY_REPLAYSESSION_H
#define ORVANE_TOOLS_REPLAY_REPLAYSESSION_H

#include "Recording.h"
#include "RealDrawing.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace replay {

// A host object's exception, where the recording shows one: a host call
// recorded as having thrown, or one that returns a value recorded without
// its result.
struct HostFault : std::runtime_error
{
    HostFault() : std::runtime_error("the host's call threw, as recorded") {}
};

class ReplaySession
{
public:
    // What plays the host where the recording shows the host acting (at the
    // top, in busy passes and in listeners): performs the spans from the
    // cursor to `end`; with `queries`, also the engine calls found there,
    // as queries of the host's code (not in listener sets, which hold the
    // library's own listeners too).
    typedef std::function<void(std::size_t end, bool queries)> HostActor;

    explicit ReplaySession(const Recording& recording);
    ~ReplaySession();
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    // The session the engine's functions answer from; null outside a replay.
    static ReplaySession* current();

    const Recording& recording() const { return m_recording; }
    const RecordedSpan& span(std::size_t index) const { return m_recording.spans()[index]; }
    std::size_t cursor() const { return m_cursor; }
    void moveTo(std::size_t index) { m_cursor = index; }
    void setHostActor(HostActor actor) { m_host = std::move(actor); }

    // The crossing at the cursor if it is `category` `name` (library spans
    // before it are entered on the way): the cursor moves into it. Null,
    // and the cursor stays, when the next crossing is another.
    const RecordedSpan* enter(const char* category, const char* name);
    // The host's span `name` opened by the library around a listener: found
    // as enter() finds a crossing, then the host acts inside it.
    // Errors: HostFault where the recording shows the host threw there.
    void actInHostSpan(const char* name);
    // A query of the library's own listeners made after the host's listener
    // acted in the set (a set's order follows addresses): answered as
    // recorded in the set, the cursor stays. Null when the set has none left.
    const RecordedSpan* askedInListeners(const char* category, const char* name);
    // The innermost recorded span the cursor is in; -1 at the top.
    int openSpan() const;
    // The host acts from the cursor to `end`.
    void actAsHost(std::size_t end, bool queries = true);

    // Engine side: the callbacks recorded in `span` (an engine call entered),
    // fired in order, then the cursor leaves it.
    void fireCallbacksIn(const RecordedSpan& span);
    // Fires the callback span at `index`; the cursor leaves it afterwards.
    void fire(std::size_t index);
    // The engine's state-change callbacks told of `code`.
    void deliverStateChange(int code);
    // Delivers the state change whose parent lock begins at `start` (inside
    // an engine call, a host's code or a busy pass ending at `end`); the
    // index after its delivery.
    std::size_t stateChangeAt(std::size_t start, std::size_t end);
    // The callback being fired, whose recorded results the host's services answer with.
    const RecordedSpan* currentCallback() const { return m_currentCallback; }

    // The handles the recording names by number, learnt as the library
    // hands them over. A number the library never handed over (the engine
    // named a page the library did not know) gets an address of its own.
    void learn(long long number, long long value);
    long long handle(long long number);

    // Registered callbacks by the name of their span in the trace. The
    // engine keeps them for the process, as the library's service classes
    // keep theirs registered: a replay after another finds them.
    struct Callback
    {
        void (*function)();
        long long client;
        // Calls `function` with the arguments recorded in `span`.
        void (*fire)(ReplaySession& session, const RecordedSpan& span, const Callback& callback);
    };
    static std::map<std::string, Callback> callbacks;
    static std::vector<Callback> stateChangeCallbacks;
    std::deque<Callback> idleQueue;
    // The engine's current page, as last answered (state changes read it).
    long long currentPageID = 0;
    // Set when the replay ran into a crossing the recording does not have there.
    bool lost = false;
    // Where frames are drawn for real; null when they are not.
    RealDrawing* drawing = nullptr;
    // The size of the frame being drawn, as the host answered it.
    int frameWidth = 0;
    int frameHeight = 0;

private:
    // The crossing `category` `name` from the cursor on, before `end`, walking
    // over the host's queries and what is no crossing; past the end if not there.
    std::size_t find(const char* category, const char* name, std::size_t end) const;
    const Recording& m_recording;
    std::size_t m_cursor;
    HostActor m_host;
    const RecordedSpan* m_currentCallback;
    std::map<long long, long long> m_handles;
    std::set<std::size_t> m_askedLate;
    std::vector<std::unique_ptr<char>> m_unknownHandles;
};

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_REPLAYSESSION_H
