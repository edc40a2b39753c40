#include "Recording.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace orvane {
namespace replay {

std::string RecordedSpan::text(const char* key, bool argument) const
{
    const nlohmann::json& values = argument ? span->arguments : span->args;
    const auto found = values.find(key);
    std::string text = found != values.end() && found->is_string() ? found->get<std::string>() : std::string();
    // Each byte that was no well-formed UTF-8 was recorded as U+FFFD: one such
    // byte again, so that the text has its recorded length and records the same.
    static const std::string Replacement = "\xEF\xBF\xBD";
    for (std::size_t at = text.find(Replacement); at != std::string::npos; at = text.find(Replacement, at + 1))
        text.replace(at, Replacement.size(), 1, '\xFF');
    return text;
}

Recording::Recording(std::string text) : m_text(std::move(text)) {}

Recording Recording::fromText(const std::string& text, const std::string& name)
{
    Recording recording(text);
    try
    {
        recording.m_analysis =
            std::make_shared<tracesummary::TraceAnalysis>(tracesummary::TraceAnalysis::fromText(text));
    }
    catch (const nlohmann::json::exception& error)
    {
        throw RecordingError(name + " is no JSON document: " + error.what());
    }
    const tracesummary::TraceAnalysis& analysis = *recording.m_analysis;
    if (analysis.schemaVersion() == 0)
        throw RecordingError(name + " is no boundary trace of this library (no \"orvane-boundary-trace\" schema)");
    if (analysis.schemaVersion() != tracesummary::TraceAnalysis::ReadSchemaVersion)
        throw RecordingError(name + " has schema version " + std::to_string(analysis.schemaVersion()) +
                             "; this replay reads version " +
                             std::to_string(tracesummary::TraceAnalysis::ReadSchemaVersion) +
                             ": record it again with this library");
    if (!analysis.problems().empty())
        throw RecordingError(name + " is malformed: " + analysis.problems().front());
    // The GUI thread's spans; each one's end is found when the next span
    // outside it begins.
    std::vector<std::size_t> open;
    std::vector<long long> openSource;
    const std::vector<tracesummary::Span>& spans = analysis.spans();
    for (std::size_t i = 0; i < spans.size(); ++i)
    {
        if (spans[i].tid != 1)
            continue;
        while (!open.empty() && openSource.back() != spans[i].parent)
        {
            recording.m_spans[open.back()].end = recording.m_spans.size();
            open.pop_back();
            openSource.pop_back();
        }
        recording.m_spans.push_back(
            RecordedSpan{&spans[i], 0, open.empty() ? -1 : static_cast<int>(open.back())});
        open.push_back(recording.m_spans.size() - 1);
        openSource.push_back(static_cast<long long>(i));
        if (spans[i].category == "host")
            recording.m_hostSpans.insert(spans[i].name);
    }
    for (std::size_t index : open)
        recording.m_spans[index].end = recording.m_spans.size();
    open.clear();
    recording.m_compared.reserve(2 * recording.m_spans.size());
    for (std::size_t i = 0; i < recording.m_spans.size();)
    {
        while (!open.empty() && recording.m_spans[open.back()].end <= i)
        {
            recording.m_compared.push_back(RecordedEvent{open.back(), true, 0});
            open.pop_back();
        }
        if (recording.isHostQuery(i))
        {
            i = recording.m_spans[i].end;
            continue;
        }
        recording.m_compared.push_back(RecordedEvent{i, false, static_cast<int>(open.size())});
        open.push_back(i++);
    }
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        recording.m_compared.push_back(RecordedEvent{*it, true, 0});
    return recording;
}

Recording Recording::fromFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw RecordingError("cannot read " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return fromText(text.str(), path);
}

bool Recording::isCrossing(const RecordedSpan& span)
{
    static const char* const HostObjectCalls[] = {"makeCurrent", "releaseCurrent", "swapBuffers", "isValid", "canRender", "getSize", "createGLDrawArea",
                                                  "isMouseButtonPressed", "isActive"};
    if (span.category() == "engine")
        return span.name() != "AppLock";
    // The library records a state change where it reaches pages, inside the
    // engine's (unrecorded) callback.
    if (span.category() == "callback")
        return span.name() != "stateChange";
    if (span.category() != "host")
        return false;
    for (const char* name : HostObjectCalls)
        if (span.name() == name)
            return true;
    return false;
}

bool Recording::isHostQuery(std::size_t index) const
{
    const RecordedSpan& span = m_spans[index];
    if (span.category() != "engine")
        return false;
    if (span.parent < 0)
        return span.name() != "AppLock";
    const RecordedSpan& parent = m_spans[static_cast<std::size_t>(span.parent)];
    return parent.category() == "host" || parent.is("pass", "busy pass") || parent.category() == "frame";
}

int Recording::depth(std::size_t index) const
{
    int depth = 0;
    for (int at = m_spans[index].parent; at >= 0; at = m_spans[static_cast<std::size_t>(at)].parent)
        ++depth;
    return depth;
}

std::string Recording::describe(const RecordedSpan& span)
{
    return span.category() + " " + span.name() + " " + span.span->args.dump();
}

} // namespace replay
} // namespace orvane
