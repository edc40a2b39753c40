#include "Replay.h"

#include <sstream>

namespace orvane {
namespace replay {

namespace {

bool sameSpan(const Recording& left, std::size_t i, const Recording& right, std::size_t j)
{
    const RecordedSpan& a = left.spans()[i];
    const RecordedSpan& b = right.spans()[j];
    return a.category() == b.category() && a.name() == b.name() && a.span->args == b.span->args &&
           left.depth(i) == right.depth(j);
}

// The spans compared: all but the host's own queries.
std::vector<std::size_t> compared(const Recording& recording)
{
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i < recording.spans().size();)
        if (recording.isHostQuery(i))
            i = recording.spans()[i].end;
        else
            indices.push_back(i++);
    return indices;
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
    const std::vector<std::size_t> a = compared(recorded);
    const std::vector<std::size_t> b = compared(replayed);
    std::size_t k = 0;
    while (k < a.size() && k < b.size() && sameSpan(recorded, a[k], replayed, b[k]))
        outcome.crossings += countsAsCrossing(recorded.spans()[a[k++]]) ? 1 : 0;
    if (k == a.size() && k == b.size())
        return outcome;
    outcome.diverged = true;
    const RecordedSpan* left = k < a.size() ? &recorded.spans()[a[k]] : nullptr;
    const RecordedSpan* right = k < b.size() ? &replayed.spans()[b[k]] : nullptr;
    std::ostringstream report;
    report << "divergence after " << outcome.crossings << " crossings";
    if (left != nullptr)
        report << ", at span " << a[k] + 1 << " of the recording";
    report << ":\n  recorded: " << (left != nullptr ? Recording::describe(*left) : "nothing: the recording ends here")
           << "\n  replayed: " << (right != nullptr ? Recording::describe(*right) : "nothing: the replay ended here")
           << "\n";
    if (left != nullptr)
        describeAround(report, recorded, a[k]);
    outcome.report = report.str();
    outcome.signature = (left != nullptr ? left->category() + " " + left->name() : "end") + " / " +
                        (right != nullptr ? right->category() + " " + right->name() : "end");
    return outcome;
}

} // namespace replay
} // namespace orvane
