#include "Comparison.h"

#include <sstream>

namespace orvane {
namespace replay {

using sdk::integration::intern::TraceArg;
using sdk::integration::intern::TraceObserver;

namespace {

bool sameValues(const nlohmann::json& recorded, std::initializer_list<TraceArg> replayed)
{
    if (recorded.size() != replayed.size())
        return false;
    for (const TraceArg& arg : replayed)
    {
        const auto value = recorded.find(arg.key);
        if (value == recorded.end())
            return false;
        const bool same = arg.text != nullptr ? value->is_string() && value->get_ref<const std::string&>() ==
                                                                          TraceObserver::recordedText(arg.text)
                                              : value->is_number_integer() && value->get<long long>() == arg.number;
        if (!same)
            return false;
    }
    return true;
}

std::string describe(const RecordedSpan& span, bool end)
{
    return (end ? "end of " : "") + span.category() + " " + span.name() + " " +
           (end ? span.span->results : span.span->arguments).dump();
}

std::string describe(const char* category, const char* name, bool end, std::initializer_list<TraceArg> args)
{
    nlohmann::json values = nlohmann::json::object();
    for (const TraceArg& arg : args)
        if (arg.text != nullptr)
            values[arg.key] = TraceObserver::recordedText(arg.text);
        else
            values[arg.key] = arg.number;
    return std::string(end ? "end of " : "") + category + " " + name + " " + values.dump();
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

Comparison::Comparison(const Recording& recorded) : m_recorded(recorded), m_expected(recorded.comparedEvents()) {}

void Comparison::begin(const char* category, const char* name, std::initializer_list<TraceArg> args)
{
    // An engine call of the host's own code: a query from the top, or one
    // made in a listener, a slot, a busy pass or between a frame's callbacks.
    bool compared = m_open.empty() || m_open.back().compared;
    if (compared && std::strcmp(category, "engine") == 0)
        compared = m_open.empty() ? std::strcmp(name, "AppLock") == 0
                                  : std::strcmp(m_open.back().category, "host") != 0 &&
                                        std::strcmp(m_open.back().category, "frame") != 0 &&
                                        !(std::strcmp(m_open.back().category, "pass") == 0 &&
                                          std::strcmp(m_open.back().name, "busy pass") == 0);
    m_open.push_back(Open{category, name, compared});
    if (compared)
        check(m_open.back(), false, args);
}

void Comparison::end(std::initializer_list<TraceArg> args)
{
    if (m_open.empty())
        return;
    const Open span = m_open.back();
    m_open.pop_back();
    if (span.compared)
        check(span, true, args);
}

void Comparison::check(const Open& span, bool end, std::initializer_list<TraceArg> args)
{
    if (m_outcome.diverged)
        return;
    if (m_next == m_expected.size())
    {
        diverge(describe(span.category, span.name, end, args));
        return;
    }
    const RecordedEvent& expected = m_expected[m_next];
    const RecordedSpan& recorded = m_recorded.spans()[expected.span];
    const bool same = expected.end == end && recorded.category() == span.category && recorded.name() == span.name &&
                      (end ? sameValues(recorded.span->results, args)
                           : expected.depth == static_cast<int>(m_open.size()) - 1 &&
                                 sameValues(recorded.span->arguments, args));
    if (!same)
    {
        diverge(describe(span.category, span.name, end, args));
        return;
    }
    ++m_next;
    if (!end && countsAsCrossing(recorded))
        ++m_outcome.crossings;
}

void Comparison::diverge(const std::string& replayed)
{
    m_outcome.diverged = true;
    const bool recordingEnds = m_next == m_expected.size();
    const RecordedSpan* left = recordingEnds ? nullptr : &m_recorded.spans()[m_expected[m_next].span];
    const std::string recorded =
        left != nullptr ? describe(*left, m_expected[m_next].end) : "nothing: the recording ends here";
    std::ostringstream report;
    report << "divergence after " << m_outcome.crossings << " crossings";
    if (left != nullptr)
        report << ", at span " << m_expected[m_next].span + 1 << " of the recording";
    report << ":\n  recorded: " << recorded << "\n  replayed: " << replayed << "\n";
    if (left != nullptr)
        describeAround(report, m_recorded, m_expected[m_next].span);
    m_outcome.report = report.str();
    m_outcome.signature = (left != nullptr ? recorded : "end") + " / " + replayed;
}

Outcome Comparison::finish()
{
    while (!m_open.empty())
        end({});
    if (!m_outcome.diverged && m_next < m_expected.size())
        diverge("nothing: the replay ended here");
    return m_outcome;
}

} // namespace replay
} // namespace orvane
