#include "Shrink.h"

#include "Recording.h"
#include "Replay.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <utility>
#include <vector>

namespace orvane {
namespace replay {

namespace {

using nlohmann::json;

// The GUI thread's top-level request and input spans: the ranges of their
// events in the document.
std::vector<std::pair<std::size_t, std::size_t>> hostSpans(const json& events)
{
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    int depth = 0;
    std::size_t begin = 0;
    bool candidate = false;
    for (std::size_t i = 0; i < events.size(); ++i)
    {
        const json& event = events[i];
        if (event.value("tid", 0) != 1)
            continue;
        const std::string phase = event.value("ph", "");
        if (phase == "B" && depth++ == 0)
        {
            const std::string category = event.value("cat", "");
            begin = i;
            candidate = category == "request" || category == "input";
        }
        else if (phase == "E" && depth > 0 && --depth == 0 && candidate)
            ranges.emplace_back(begin, i);
    }
    return ranges;
}

// The document without the spans whose `keep` is false.
std::string without(const json& document, const std::vector<std::pair<std::size_t, std::size_t>>& ranges,
                    const std::vector<bool>& keep)
{
    std::vector<bool> dropped(document["traceEvents"].size(), false);
    for (std::size_t r = 0; r < ranges.size(); ++r)
        if (!keep[r])
            std::fill(dropped.begin() + static_cast<long>(ranges[r].first),
                      dropped.begin() + static_cast<long>(ranges[r].second) + 1, true);
    json result = document;
    json events = json::array();
    for (std::size_t i = 0; i < dropped.size(); ++i)
        if (!dropped[i])
            events.push_back(document["traceEvents"][i]);
    result["traceEvents"] = std::move(events);
    return result.dump();
}

bool failsTheSameWay(const std::string& text, const std::string& signature)
{
    try
    {
        const Outcome outcome = replay(Recording::fromText(text, "a shrunk recording"));
        return outcome.diverged && outcome.signature == signature;
    }
    catch (const RecordingError&)
    {
        return false;
    }
}

} // namespace

std::string shrink(const std::string& text, const std::string& signature)
{
    const json document = json::parse(text);
    const auto ranges = hostSpans(document["traceEvents"]);
    std::vector<bool> keep(ranges.size(), true);
    // ddmin: leave out chunks of the kept spans, halving the chunks while
    // nothing can go.
    std::size_t chunks = 2;
    while (true)
    {
        std::vector<std::size_t> kept;
        for (std::size_t r = 0; r < keep.size(); ++r)
            if (keep[r])
                kept.push_back(r);
        if (kept.empty() || chunks > kept.size())
            break;
        bool reduced = false;
        const std::size_t size = (kept.size() + chunks - 1) / chunks;
        for (std::size_t start = 0; start < kept.size() && !reduced; start += size)
        {
            std::vector<bool> trial = keep;
            for (std::size_t k = start; k < std::min(start + size, kept.size()); ++k)
                trial[kept[k]] = false;
            if (failsTheSameWay(without(document, ranges, trial), signature))
            {
                keep = std::move(trial);
                chunks = std::max<std::size_t>(chunks - 1, 2);
                reduced = true;
            }
        }
        if (!reduced)
        {
            if (size == 1)
                break;
            chunks = std::min(chunks * 2, kept.size());
        }
    }
    return without(document, ranges, keep);
}

} // namespace replay
} // namespace orvane
