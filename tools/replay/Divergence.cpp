#include "Replay.h"

#include <sstream>

namespace orvane {
namespace replay {

namespace {

// A span's beginning (its arguments) or its end (its results): the order in
// which the library crossed.
struct Event
{
    std::size_t span;
    bool end;
};

// The events compared: all but those of the host's own queries.
std::vector<Event> events(const Recording& recording)
{
    std::vector<Event> sequence;
    std::vector<std::size_t> open;
    const std::vector<RecordedSpan>& spans = recording.spans();
    for (std::size_t i = 0; i < spans.size();)
    {
        while (!open.empty() && spans[open.back()].end <= i)
        {
            sequence.push_back(Event{open.back(), true});
            open.pop_back();
        }
        if (recording.isHostQuery(i))
        {
            i = spans[i].end;
            continue;
        }
        sequence.push_back(Event{i, false});
        open.push_back(i++);
    }
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        sequence.push_back(Event{*it, true});
    return sequence;
}

bool sameEvent(const Recording& left, const Event& a, const Recording& right, const Event& b)
{
    const RecordedSpan& x = left.spans()[a.span];
    const RecordedSpan& y = right.spans()[b.span];
    if (a.end != b.end || x.category() != y.category() || x.name() != y.name())
        return false;
    return a.end ? x.span->results == y.span->results
                 : x.span->arguments == y.span->arguments && left.depth(a.span) == right.depth(b.span);
}

std::string describe(const RecordedSpan& span, bool end)
{
    return (end ? "end of " : "") + span.category() + " " + span.name() + " " +
           (end ? span.span->results : span.span->arguments).dump();
}

bool countsAsCrossing(const RecordedSpan& span)
{
    return span.category() == "engine" || span.category() == "callback" || span.category() == "host";
}

void describeAround(std::ostream& out, const Recording& recording, std::size_t index)
{
    std::vector<std::size_t> open;
    for (int at = recording.spans()[index].parent; at >= 0; at = recording.spans()[static_cast<std::size_t>(at)].parent)
        open.push_back(static_cast<std::size_t>(at));
    out << "  spans open around it in the recording:" << (open.empty() ? " none" : "") << "\n";
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        out << "    " << Recording::describe(recording.spans()[*it]) << "\n";
}

} // namespace

Outcome compare(const Recording& recorded, const Recording& replayed)
{
    Outcome outcome;
    const std::vector<Event> a = events(recorded);
    const std::vector<Event> b = events(replayed);
    std::size_t k = 0;
    while (k < a.size() && k < b.size() && sameEvent(recorded, a[k], replayed, b[k]))
        outcome.crossings += !a[k].end && countsAsCrossing(recorded.spans()[a[k].span]) ? 1 : 0, ++k;
    if (k == a.size() && k == b.size())
        return outcome;
    outcome.diverged = true;
    const RecordedSpan* left = k < a.size() ? &recorded.spans()[a[k].span] : nullptr;
    const RecordedSpan* right = k < b.size() ? &replayed.spans()[b[k].span] : nullptr;
    std::ostringstream report;
    report << "divergence after " << outcome.crossings << " crossings";
    if (left != nullptr)
        report << ", at span " << a[k].span + 1 << " of the recording";
    report << ":\n  recorded: " << (left != nullptr ? describe(*left, a[k].end) : "nothing: the recording ends here")
           << "\n  replayed: " << (right != nullptr ? describe(*right, b[k].end) : "nothing: the replay ended here")
           << "\n";
    if (left != nullptr)
        describeAround(report, recorded, a[k].span);
    outcome.report = report.str();
    outcome.signature = (left != nullptr ? describe(*left, a[k].end) : "end") + " / " +
                        (right != nullptr ? describe(*right, b[k].end) : "end");
    return outcome;
}

} // namespace replay
} // namespace orvane
