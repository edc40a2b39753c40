// A recorded boundary trace as the replay walks it: the GUI thread's spans
// in the order they began, each with the index past its last descendant.
#ifndef ORVANE_TOOLS_REPLAY_RECORDING_H
#define ORVANE_TOOLS_REPLAY_RECORDING_H

#include "TraceAnalysis.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane {
namespace replay {

// A file the replay cannot read: no JSON, another format or schema version,
// or a document with problems. The message says which.
class RecordingError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct RecordedSpan
{
    const tracesummary::Span* span;
    std::size_t end; // index past the span's descendants
    int parent;      // index, -1 at the top

    const std::string& category() const { return span->category; }
    const std::string& name() const { return span->name; }
    long long number(const char* key, long long fallback = 0) const { return span->number(key, fallback); }
    // A text as it was handed over; with `argument`, the one the span began
    // with (not a result of the same name).
    std::string text(const char* key, bool argument = false) const;
    bool is(const char* category, const char* name) const
    {
        return span->category == category && span->name == name;
    }
};

// A span's beginning (its arguments) or its end (its results), in the order
// the library crossed; `depth` counts the spans open around a beginning.
struct RecordedEvent
{
    std::size_t span;
    bool end;
    int depth;
};

class Recording
{
public:
    // Throws RecordingError.
    static Recording fromText(const std::string& text, const std::string& name);
    static Recording fromFile(const std::string& path);

    const std::vector<RecordedSpan>& spans() const { return m_spans; }
    const std::string& text() const { return m_text; }
    bool checkedMode() const { return m_analysis->checkedMode(); }

    // A crossing: an engine call (not the application lock), an engine
    // callback, or a call on a host object.
    static bool isCrossing(const RecordedSpan& span);
    // An engine call of the host's own code (a query from the top, a busy
    // pass or a listener or slot, or between the callbacks of a frame the
    // engine draws callback by callback), which the library makes on its behalf:
    // the replay neither repeats nor compares those (registrations aside,
    // which the host's services cause).
    bool isHostQuery(std::size_t index) const;
    // The events a replay is compared with: all but those of the host's own
    // queries, which the replay does not repeat.
    const std::vector<RecordedEvent>& comparedEvents() const { return m_compared; }
    // Whether the recording has a host span `name` (a slot, a listener set).
    bool hasHostSpan(const std::string& name) const { return m_hostSpans.count(name) != 0; }
    int depth(std::size_t index) const;
    // One line: category, name and arguments (results included).
    static std::string describe(const RecordedSpan& span);

private:
    explicit Recording(std::string text);

    std::string m_text;
    std::shared_ptr<tracesummary::TraceAnalysis> m_analysis;
    std::vector<RecordedSpan> m_spans;
    std::vector<RecordedEvent> m_compared;
    std::set<std::string> m_hostSpans;
};

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_RECORDING_H
